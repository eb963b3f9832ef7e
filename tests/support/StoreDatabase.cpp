#include "support/StoreDatabase.h"

#include "data/FirebirdClient.h"
#include "settings/IniFile.h"
#include "support/TempFolder.h"

#include <cctype>
#include <sqlite3.h>
#include <stdexcept>
#include <vector>

namespace pondus::test {

namespace fs = std::filesystem;

namespace {

// The statements of a script: each ends with ";" at the end of a line.
std::vector<std::string> splitStatements(const std::string& script) {
    std::vector<std::string> statements;
    std::string current;
    size_t pos = 0;
    while (pos < script.size()) {
        size_t end = script.find('\n', pos);
        std::string line =
            script.substr(pos, end == std::string::npos ? std::string::npos : end - pos + 1);
        pos = end == std::string::npos ? script.size() : end + 1;
        size_t last = line.find_last_not_of(" \t\r\n");
        if (last != std::string::npos && line[last] == ';') {
            current += line.substr(0, last);
            statements.push_back(current);
            current.clear();
        } else {
            current += line;
        }
    }
    if (current.find_first_not_of(" \t\r\n") != std::string::npos)
        statements.push_back(current);
    return statements;
}

bool isDefinition(const std::string& statement) {
    std::string word;
    size_t pos = statement.find_first_not_of(" \t\r\n");
    while (pos < statement.size() && std::isalpha(static_cast<unsigned char>(statement[pos])))
        word += char(std::toupper(static_cast<unsigned char>(statement[pos++])));
    return word == "CREATE" || word == "ALTER" || word == "DROP" || word == "RECREATE";
}

} // namespace

std::string engineName(Engine engine) {
    return engine == Engine::Sqlite ? "Sqlite" : "Firebird";
}

class StoreDatabase::Writer {
public:
    virtual ~Writer() = default;
    virtual void exec(const std::string& sql) = 0;
};

namespace {

class SqliteWriter : public StoreDatabase::Writer {
public:
    explicit SqliteWriter(const fs::path& file) {
        if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            std::string message = sqlite3_errmsg(m_db);
            sqlite3_close(m_db);
            throw std::runtime_error("cannot create " + file.string() + ": " + message);
        }
    }
    ~SqliteWriter() override { sqlite3_close(m_db); }

    void exec(const std::string& sql) override {
        run("BEGIN");
        try {
            run(sql);
        } catch (...) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
        run("COMMIT");
    }

private:
    void run(const std::string& sql) {
        char* message = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            std::string text = message ? message : "SQLite error";
            sqlite3_free(message);
            throw std::runtime_error(text + " in: " + sql);
        }
    }

    sqlite3* m_db = nullptr;
};

class FirebirdWriter : public StoreDatabase::Writer {
public:
    explicit FirebirdWriter(const fs::path& file) {
        std::string parameters = data::firebirdAttachParameters("SYSDBA", "quillbint", "NONE");
        // No forced writes: test databases need no durability, and commits stay fast.
        parameters += char(isc_dpb_force_write);
        parameters += char(1);
        parameters += char(0);
        parameters += char(isc_dpb_set_db_sql_dialect);
        parameters += char(1);
        parameters += char(SQL_DIALECT_V6);
        ISC_STATUS_ARRAY status;
        std::string name = file.string();
        data::stopFirebirdAtExit();
        if (isc_create_database(status, short(name.size()), name.c_str(), &m_db,
                                short(parameters.size()), parameters.data(), 0))
            throw std::runtime_error("cannot create " + name + ": " +
                                     data::firebirdMessage(status));
    }

    ~FirebirdWriter() override {
        ISC_STATUS_ARRAY status;
        if (m_transaction)
            isc_rollback_transaction(status, &m_transaction);
        isc_detach_database(status, &m_db);
    }

    void exec(const std::string& sql) override {
        for (const std::string& statement : splitStatements(sql)) {
            begin();
            ISC_STATUS_ARRAY status;
            if (isc_dsql_execute_immediate(status, &m_db, &m_transaction, 0, statement.c_str(),
                                           SQL_DIALECT_V6, nullptr)) {
                std::string message = data::firebirdMessage(status);
                isc_rollback_transaction(status, &m_transaction);
                throw std::runtime_error(message + " in: " + statement);
            }
            // A table must be committed before rows can go into it.
            if (isDefinition(statement))
                commit();
        }
        commit();
    }

private:
    void begin() {
        if (m_transaction)
            return;
        ISC_STATUS_ARRAY status;
        if (isc_start_transaction(status, &m_transaction, 1, &m_db, 0, nullptr))
            throw std::runtime_error(data::firebirdMessage(status));
    }

    void commit() {
        if (!m_transaction)
            return;
        ISC_STATUS_ARRAY status;
        if (isc_commit_transaction(status, &m_transaction))
            throw std::runtime_error(data::firebirdMessage(status));
    }

    isc_db_handle m_db = 0;
    isc_tr_handle m_transaction = 0;
};

} // namespace

StoreDatabase::StoreDatabase(Engine engine, const fs::path& appFolder, std::string alias,
                             std::string schema) {
    std::string file = alias + (engine == Engine::Sqlite ? ".db" : ".fdb");
    fs::path path = appFolder / file;
    fs::remove(path);
    if (engine == Engine::Sqlite)
        m_writer = std::make_unique<SqliteWriter>(path);
    else
        m_writer = std::make_unique<FirebirdWriter>(path);
    fs::path schemaFile = fs::path(PONDUS_SCHEMA_DIR) / (schema + ".sql");
    std::string script = readFile(schemaFile);
    if (script.empty())
        throw std::runtime_error("cannot read " + schemaFile.string());
    exec(script);
    IniFile aliases(appFolder / "Alias.ini");
    aliases.writeString(alias, "DRIVER", engine == Engine::Sqlite ? "SQLITE" : "FIREBIRD");
    aliases.writeString(alias, "DATABASE", file);
}

StoreDatabase::~StoreDatabase() = default;

void StoreDatabase::exec(const std::string& sql) {
    m_writer->exec(sql);
}

} // namespace pondus::test
