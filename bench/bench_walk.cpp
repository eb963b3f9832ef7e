// Walks tblStock of a generated store database from first to last and reads
// every field the exports read, on SQLite and on Firebird (embedded, and
// through a server when one is given), in two ways: the data module as it is
// (detail rows fetched for many stock records at once) and one statement per
// stock record per detail set. See README.md.

#include "data/Alias.h"
#include "data/DataModule.h"
#include "data/Query.h"
#include "data/StoreQueries.h"
#include "settings/IniFile.h"
#include "support/RecordingFrontend.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace fs = std::filesystem;
using pondus::RecordSet;
using pondus::test::Engine;
using pondus::test::StoreDatabase;

namespace {

// Items L100000.. with three price rows (P1, P2, P3) and one weight row each.
std::string populationScript(int items) {
    std::string digits = "CREATE TABLE Bench_Digit (D INTEGER);\n";
    for (int d = 0; d < 10; ++d)
        digits += "INSERT INTO Bench_Digit VALUES (" + std::to_string(d) + ");\n";
    return digits +
           "CREATE TABLE Bench_Level (C CHAR(6));\n"
           "INSERT INTO Bench_Level VALUES ('P1');\n"
           "INSERT INTO Bench_Level VALUES ('P2');\n"
           "INSERT INTO Bench_Level VALUES ('P3');\n"
           "INSERT INTO Mas_Stock SELECT 'L' || CAST(n AS VARCHAR(10)), CAST(n AS VARCHAR(10)),\n"
           " '2' || CAST(n AS VARCHAR(10)), 'Item ' || CAST(n AS VARCHAR(10)), NULL, 'PW', 'KG',\n"
           " 1.5, '2026-03-01 10:00:00'\n"
           " FROM (SELECT 100000 + a.D * 100000 + b.D * 10000 + c.D * 1000 + d.D * 100 + e.D * 10\n"
           " + f.D AS n FROM Bench_Digit a, Bench_Digit b, Bench_Digit c, Bench_Digit d,\n"
           " Bench_Digit e, Bench_Digit f) t WHERE n < " +
           std::to_string(100000 + items) +
           ";\n"
           "INSERT INTO Mas_Stock_Price SELECT s.M_PluCode, 2.5, s.M_PluLinkID, l.C,\n"
           " '2026-03-01 00:00:00', '2026-03-31 00:00:00', 'T', '2026-03-01 09:00:00',\n"
           " '2026-03-01 17:00:00', 'F', 1.99, 1, 1 FROM Mas_Stock s, Bench_Level l;\n"
           "INSERT INTO Mas_Stock_Weight SELECT M_PluLinkID, '10070' FROM Mas_Stock;\n";
}

// What the exports read of one stock record and its detail rows.
size_t readRecord(RecordSet& stock, RecordSet& prices, RecordSet& weights) {
    size_t bytes = 0;
    for (const char* field : {"M_PluCode", "M_Barcode", "M_Desc", "M_Type", "M_PLULINKID"})
        if (!stock.isNull(field))
            bytes += stock.asText(field).size();
    if (!prices.eof()) {
        bytes += size_t(prices.asFloat("M_Price") + prices.asFloat("M_DiscPrice"));
        bytes += prices.asText("M_DateActive").size() + prices.asText("M_TimeActive").size();
        for (const char* field : {"M_DateFrom", "M_DateTo", "M_TimeFrom", "M_TimeTo"})
            bytes += size_t(prices.asDateTime(field).day);
    }
    if (!weights.isEmpty() && !weights.isNull("M_STATUS"))
        bytes += weights.asText("M_STATUS").size();
    return bytes;
}

struct Timing {
    double open = 0;
    double walk = 0;
    int records = 0;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Timing walk(RecordSet& stock, RecordSet& prices, RecordSet& weights,
            std::chrono::steady_clock::time_point start) {
    Timing timing;
    timing.open = secondsSince(start);
    auto walkStart = std::chrono::steady_clock::now();
    size_t checksum = 0;
    for (stock.first(); !stock.eof(); stock.next()) {
        checksum += readRecord(stock, prices, weights);
        ++timing.records;
    }
    timing.walk = secondsSince(walkStart);
    if (checksum == 0)
        std::fprintf(stderr, "nothing read\n");
    return timing;
}

// The data module as the send creates it, with the default price level applied.
Timing walkDataModule(const std::string& appFolder) {
    pondus::test::RecordingFrontend frontend;
    auto start = std::chrono::steady_clock::now();
    pondus::TdmScale data("TILLV10", appFolder, frontend);
    for (const std::string& box : frontend.boxes)
        std::fprintf(stderr, "%s\n", box.c_str());
    data.tblStockPrice().setFilterText(pondus::priceLevelFilter("P1"));
    data.tblStockPrice().setFiltered(true);
    return walk(data.tblStock(), data.tblStockPrice(), data.qryWeight(), start);
}

// The same statements, with one statement per stock record per detail set.
Timing walkOneByOne(const std::string& appFolder) {
    auto start = std::chrono::steady_clock::now();
    auto connection = pondus::data::connectAlias(appFolder, "POSAPP");
    RecordSet stock("tblStock"), prices("tblStockPrice"), weights("qryWeight");
    pondus::data::openQuery(stock, *connection, pondus::data::stockSql, {});
    prices.setFilterText(pondus::priceLevelFilter("P1"));
    prices.setFiltered(true);
    pondus::data::openDetailQuery(prices, *connection, pondus::data::stockPriceSql,
                                  pondus::data::stockPriceFields(stock), stock, 1);
    pondus::data::openDetailQuery(weights, *connection, pondus::data::weightSql,
                                  pondus::data::weightFields, stock, 1);
    return walk(stock, prices, weights, start);
}

void report(const char* engine, const char* way, const Timing& timing) {
    std::printf("%-28s %-34s %8d records  open %7.3f s  walk %7.3f s  total %7.3f s\n", engine, way,
                timing.records, timing.open, timing.walk, timing.open + timing.walk);
    std::fflush(stdout);
}

void measure(const char* engine, const std::string& appFolder, bool oneByOne) {
    report(engine, "data module (batched details)", walkDataModule(appFolder));
    if (oneByOne)
        report(engine, "one query per record per detail", walkOneByOne(appFolder));
}

void usage() {
    std::fprintf(stderr,
                 "usage: bench_walk [--items N] [--skip-one-by-one]\n"
                 "                  [--server HOST[/PORT] --server-folder DIR [--password PW]]\n");
    std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
    int items = 100000;
    bool oneByOne = true;
    std::string server, serverFolder, password = "quillbint";
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage();
            return argv[++i];
        };
        if (option == "--items")
            items = std::atoi(value().c_str());
        else if (option == "--skip-one-by-one")
            oneByOne = false;
        else if (option == "--server")
            server = value();
        else if (option == "--server-folder")
            serverFolder = value();
        else if (option == "--password")
            password = value();
        else
            usage();
    }
    if (items < 1 || items > 900000 || server.empty() != serverFolder.empty())
        usage();

    {
        pondus::test::TempFolder app;
        StoreDatabase db(Engine::Sqlite, app.path());
        db.exec(populationScript(items));
        measure("SQLite", app.str(), oneByOne);
    }
    {
        pondus::test::TempFolder app;
        StoreDatabase db(Engine::Firebird, app.path());
        db.exec(populationScript(items));
        measure("Firebird embedded", app.str(), oneByOne);
    }
    if (!server.empty()) {
        // Built by the embedded engine in a folder the server can reach, then
        // read through the server once the embedded engine has let it go.
        fs::path folder = fs::path(serverFolder) / "pondus-bench";
        fs::create_directories(folder);
        fs::remove(folder / "POSAPP.fdb");
        {
            StoreDatabase db(Engine::Firebird, folder);
            db.exec(populationScript(items));
        }
        fs::permissions(folder / "POSAPP.fdb", fs::perms::all & ~fs::perms::others_exec &
                                                   ~fs::perms::group_exec & ~fs::perms::owner_exec);
        pondus::IniFile aliases(folder / "Alias.ini");
        aliases.writeString("POSAPP", "DATABASE", server + ":" + (folder / "POSAPP.fdb").string());
        aliases.writeString("POSAPP", "PASSWORD", password);
        measure(("Firebird server " + server).c_str(), folder.string(), oneByOne);
        fs::remove_all(folder);
    }
    return 0;
}
