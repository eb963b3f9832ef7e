#pragma once

#include <filesystem>
#include <memory>
#include <string>

// Store databases for the tests and the benchmark, on both engines.
//
//   pondus::test::TempFolder app;
//   pondus::test::StoreDatabase db(Engine::Firebird, app.path());
//   db.exec("INSERT INTO Mas_Stock (M_PluLinkID, M_Type) VALUES ('L1', 'PW');\n"
//           "INSERT INTO Mas_Stock_Weight VALUES ('L1', '10070');");
//   pondus::TdmScale data("TILLV10", app.str(), frontend); // reads it through POSAPP
//
// The database file is <appFolder>/<alias>.db (SQLite) or <alias>.fdb
// (Firebird, created and read by the embedded engine: no server needed), so
// several aliases can live in one app folder, and tests running at the same
// time in different app folders never share a file.
namespace pondus::test {

enum class Engine { Sqlite, Firebird };

// "Sqlite" / "Firebird", for test names.
std::string engineName(Engine);

// A store database built from schema/<schema>.sql ("tillv10", "kelp", "v8") inside the app folder,
// registered in <appFolder>/Alias.ini under the alias (DRIVER, DATABASE).
class StoreDatabase {
public:
    StoreDatabase(Engine engine, const std::filesystem::path& appFolder,
                  std::string alias = "POSAPP", std::string schema = "tillv10");
    ~StoreDatabase();
    StoreDatabase(const StoreDatabase&) = delete;
    StoreDatabase& operator=(const StoreDatabase&) = delete;

    // Runs statements (INSERTs...), several separated by ";" at line ends, as in the schema files.
    // Timestamps are written as 'YYYY-MM-DD HH:MM:SS' literals, which both engines accept.
    // Each call is committed when it returns; a statement the engine rejects
    // throws std::runtime_error with the engine's message.
    void exec(const std::string& sql);

    class Writer;

private:
    std::unique_ptr<Writer> m_writer;
};

} // namespace pondus::test
