// How long the BC4000 export takes over a store database of 10,000 weighed
// items (SQLite; "firebird" as first argument for the embedded Firebird
// engine), compared with the Astra XT export over the same items. The BC4000
// reads the value of every looked-up column from the settings again for every
// record; the Astra XT reads its column defaults once per run. The difference
// is the cost of those reads.

#include "data/DataModule.h"
#include "exports/Exports.h"
#include "exports/SendContext.h"
#include "settings/IniFile.h"
#include "support/RecordingFrontend.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using pondus::test::Engine;

namespace {

constexpr int itemCount = 10000;

// Items L100000.. with one price row at level P1 and one weight row each.
std::string populationScript() {
    std::string script = "CREATE TABLE Bench_Digit (D INTEGER);\n";
    for (int d = 0; d < 10; ++d)
        script += "INSERT INTO Bench_Digit VALUES (" + std::to_string(d) + ");\n";
    return script +
           "INSERT INTO Mas_Stock SELECT 'L' || CAST(n AS VARCHAR(10)), CAST(n AS VARCHAR(10)),\n"
           " '2' || CAST(n AS VARCHAR(10)), 'ITEM ' || CAST(n AS VARCHAR(10)), NULL, 'PW', 'KG',\n"
           " 1.5, '2026-03-01 10:00:00'\n"
           " FROM (SELECT 100000 + a.D * 10000 + b.D * 1000 + c.D * 100 + d.D * 10 + e.D AS n\n"
           " FROM Bench_Digit a, Bench_Digit b, Bench_Digit c, Bench_Digit d, Bench_Digit e) t\n"
           " WHERE n < " +
           std::to_string(100000 + itemCount) +
           ";\n"
           "INSERT INTO Mas_Stock_Price SELECT M_PluCode, 12.5, M_PluLinkID, 'P1', NULL, NULL,\n"
           " 'F', NULL, NULL, 'F', 0, 1, 1 FROM Mas_Stock;\n"
           "INSERT INTO Mas_Stock_Weight SELECT M_PluLinkID, '10071' FROM Mas_Stock;\n";
}

struct NoStart : pondus::ProgramStarter {
    void start(const std::string&, const std::vector<std::string>&) override {}
};

double run(void (*routine)(pondus::SendContext&), const std::string& target, const fs::path& app,
           pondus::IniFile& settings) {
    pondus::test::RecordingFrontend frontend;
    NoStart starter;
    pondus::TdmScale data("TILLV10", app.string(), frontend);
    pondus::SendContext context{
        app.string(),   settings, frontend, data,       starter,
        "TILLV10",      target,   "",       "Send.txt", false,
        "'01/03/2026'", "P1",     "",       "",         pondus::DateTime{2026, 3, 10, 12, 0, 0}};
    auto start = std::chrono::steady_clock::now();
    routine(context);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    Engine engine =
        argc > 1 && std::strcmp(argv[1], "firebird") == 0 ? Engine::Firebird : Engine::Sqlite;
    pondus::test::TempFolder app;
    fs::current_path(app.path());
    pondus::test::StoreDatabase db(engine, app.path());
    db.exec(populationScript());
    pondus::IniFile settings(app.path() / "ScaleB.ini");
    for (const char* target : {"ISHIDA BC4000 (DIRECT SEND)", "ISHIDA ASTRA XT (DIRECT SEND)"}) {
        settings.writeString(target, "SOURCE_PLUL", "6");
        settings.writeString(target, "SOURCE_PRICEL", "6");
        settings.writeString(target, "SOURCE_DESCL", "24");
        for (const char* key : {"MarkFlag", "TimeFlag", "LabelFormat", "Tare", "Dept", "Group"})
            settings.writeString(target, key, "1");
    }
    double bc4000 =
        run(pondus::exportIshidaBc4000, "ISHIDA BC4000 (DIRECT SEND)", app.path(), settings);
    double astra =
        run(pondus::exportIshidaAstraXt, "ISHIDA ASTRA XT (DIRECT SEND)", app.path(), settings);
    std::printf("%s, %d items: BC4000 %.3f s (%.1f us per record), Astra XT %.3f s (%.1f us "
                "per record)\n",
                pondus::test::engineName(engine).c_str(), itemCount, bc4000,
                bc4000 / itemCount * 1e6, astra, astra / itemCount * 1e6);
    fs::current_path(app.path().parent_path());
    return 0;
}
