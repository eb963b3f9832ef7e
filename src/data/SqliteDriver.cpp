#include "base/Error.h"
#include "base/Text.h"
#include "data/Driver.h"

#include <sqlite3.h>

namespace pondus::data {

namespace {

// The field type of a column from the type its table declares.
FieldType typeFromDeclaration(const char* declared) {
    std::string type = toUpperAscii(declared ? declared : "");
    if (type.find("INT") != std::string::npos)
        return FieldType::Integer;
    if (type.find("TIMESTAMP") != std::string::npos || type.find("DATE") != std::string::npos ||
        type.find("TIME") != std::string::npos)
        return FieldType::DateTime;
    if (type.find("DOUBLE") != std::string::npos || type.find("FLOAT") != std::string::npos ||
        type.find("REAL") != std::string::npos || type.find("NUMERIC") != std::string::npos ||
        type.find("DECIMAL") != std::string::npos)
        return FieldType::Float;
    if ((startsWith(type, "CHAR") || startsWith(type, "NCHAR")) &&
        type.find("VARYING") == std::string::npos)
        return FieldType::FixedText;
    return FieldType::Text;
}

class SqliteStatement : public Statement {
public:
    SqliteStatement(sqlite3* db, sqlite3_stmt* statement) : m_db(db), m_statement(statement) {
        int count = sqlite3_column_count(statement);
        for (int i = 0; i < count; ++i)
            m_columns.push_back({sqlite3_column_name(statement, i),
                                 typeFromDeclaration(sqlite3_column_decltype(statement, i))});
    }
    ~SqliteStatement() override { sqlite3_finalize(m_statement); }

    const std::vector<Column>& columns() const override { return m_columns; }
    size_t parameterCount() const override {
        return size_t(sqlite3_bind_parameter_count(m_statement));
    }

    void run(const std::vector<Parameter>& parameters, std::vector<Value>& cells) override {
        sqlite3_reset(m_statement);
        for (size_t i = 0; i < parameters.size(); ++i) {
            const Parameter& parameter = parameters[i];
            if (parameter)
                sqlite3_bind_text(m_statement, int(i + 1), parameter->data(),
                                  int(parameter->size()), SQLITE_TRANSIENT);
            else
                sqlite3_bind_null(m_statement, int(i + 1));
        }
        int status;
        while ((status = sqlite3_step(m_statement)) == SQLITE_ROW)
            for (size_t i = 0; i < m_columns.size(); ++i)
                cells.push_back(cell(int(i)));
        if (status != SQLITE_DONE)
            throw Error(sqlite3_errmsg(m_db));
        sqlite3_reset(m_statement);
    }

private:
    Value cell(int i) const {
        switch (sqlite3_column_type(m_statement, i)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return std::int64_t(sqlite3_column_int64(m_statement, i));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_statement, i);
        default: {
            auto bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, i));
            std::string text(bytes ? bytes : "", size_t(sqlite3_column_bytes(m_statement, i)));
            if (m_columns[size_t(i)].type == FieldType::DateTime)
                if (auto date = parseStoredDateTime(text))
                    return *date;
            return text;
        }
        }
    }

    sqlite3* m_db;
    sqlite3_stmt* m_statement;
    std::vector<Column> m_columns;
};

class SqliteConnection : public Connection {
public:
    explicit SqliteConnection(sqlite3* db) : m_db(db) {}
    ~SqliteConnection() override { sqlite3_close(m_db); }

    std::unique_ptr<Statement> prepare(const std::string& sql) override {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), int(sql.size()), &statement, nullptr) !=
            SQLITE_OK)
            throw Error(sqlite3_errmsg(m_db));
        if (!statement)
            throw Error("The statement is empty");
        return std::make_unique<SqliteStatement>(m_db, statement);
    }

    std::string textEquality(const std::string& column, bool fixedText) const override {
        return fixedText ? "rtrim(" + column + ", ' ') = rtrim(?, ' ')" : column + " = ?";
    }

    std::string comparisonForm(std::string_view text) const override { return std::string(text); }

private:
    sqlite3* m_db;
};

} // namespace

std::unique_ptr<Connection> openSqlite(const std::string& file) {
    sqlite3* db = nullptr;
    // Read only, never created: a missing file is an error, not an empty database.
    int status = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (status != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(status);
        sqlite3_close(db);
        throw Error("Cannot open the database " + file + ": " + message);
    }
    sqlite3_busy_timeout(db, 5000);
    return std::make_unique<SqliteConnection>(db);
}

} // namespace pondus::data
