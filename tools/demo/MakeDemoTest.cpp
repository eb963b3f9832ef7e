// Runs pondus-make-demo into a temporary folder and checks that the folder is a
// demo a new user can send from: the databases hold what the exports read, and
// the settings of every scale model fit the catalog.

#include "platform/Paths.h"
#include "settings/IniFile.h"
#include "shell/SendWorkflow.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sqlite3.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using pondus::IniFile;
using pondus::test::readFile;
using pondus::test::TempFolder;

int runMakeDemo(const fs::path& folder) {
    std::string command = "'" PONDUS_MAKE_DEMO "' '" + folder.string() + "'";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

using Rows = std::vector<std::vector<std::string>>;

// Read-only access to one demo database; NULL reads as "(null)".
class Database {
public:
    explicit Database(const fs::path& file) {
        if (sqlite3_open_v2(file.c_str(), &m_handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << file;
    }
    ~Database() { sqlite3_close(m_handle); }

    Rows rows(const std::string& sql) const {
        Rows result;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_handle, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(m_handle);
            return result;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                auto text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                row.emplace_back(text ? text : "(null)");
            }
            result.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        return result;
    }

    int count(const std::string& sql) const {
        Rows result = rows(sql);
        return result.empty() ? -1 : std::stoi(result[0][0]);
    }

private:
    sqlite3* m_handle = nullptr;
};

bool hasValidCheckDigit(const std::string& ean) {
    if (ean.size() != 13 || !std::all_of(ean.begin(), ean.end(), ::isdigit))
        return false;
    int sum = 0;
    for (size_t i = 0; i < 12; ++i)
        sum += (ean[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return (10 - sum % 10) % 10 == ean[12] - '0';
}

class MakeDemoTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = std::make_unique<TempFolder>();
        ASSERT_EQ(runMakeDemo(s_folder->path()), 0);
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    static fs::path file(std::string_view name) {
        return pondus::resolveName(pondus::joinName(s_folder->str(), name));
    }
    static IniFile settings() { return IniFile(file("Scale.ini")); }
    static Database till() { return Database(file("Data\\Pos\\tillv10.db")); }

    static std::unique_ptr<TempFolder> s_folder;
};

std::unique_ptr<TempFolder> MakeDemoTest::s_folder;

TEST_F(MakeDemoTest, TillDatabaseHoldsAboutTwoHundredWeighedItemsAtThreeLevels) {
    Database db = till();
    int weighed = db.count("SELECT COUNT(*) FROM Mas_Stock WHERE M_Type='PW' or M_Type='PP'");
    EXPECT_GE(weighed, 180);
    EXPECT_LE(weighed, 230);
    EXPECT_GT(db.count("SELECT COUNT(*) FROM Mas_Stock WHERE M_Type='PP'"), 5);
    EXPECT_GT(db.count("SELECT COUNT(*) FROM Mas_Stock WHERE M_Type NOT IN ('PW', 'PP')"), 0);

    EXPECT_EQ(db.rows("SELECT M_Code FROM Mas_PriceLevel ORDER BY M_Code"),
              (Rows{{"P1"}, {"P2"}, {"P3"}}));
    // Every weighed item has one row per level that the price query keeps.
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Mas_Stock s JOIN Mas_PriceLevel l "
                       "WHERE (s.M_Type='PW' or s.M_Type='PP') AND 1 = (SELECT COUNT(*) "
                       "FROM Mas_Stock_Price p WHERE p.M_PluLinkID = s.M_PluLinkID AND "
                       "p.M_Level = l.M_Code AND p.M_Qty = 1 AND p.M_OfQty = 1 AND "
                       "p.M_Price > 0)"),
              3 * weighed);
}

TEST_F(MakeDemoTest, WeighedItemsHaveScaleReadyCodesAndStatuses) {
    Rows items = till().rows(
        "SELECT s.M_PluCode, s.M_Barcode, s.M_Type, w.M_Status, s.M_Desc FROM Mas_Stock s "
        "LEFT JOIN Mas_Stock_Weight w ON w.M_PluLinkID = s.M_PluLinkID "
        "WHERE s.M_Type='PW' or s.M_Type='PP'");
    std::set<std::string> casPluNumbers;
    bool accented = false, comma = false;
    for (const auto& item : items) {
        const std::string &plu = item[0], &barcode = item[1], &type = item[2], &status = item[3],
                          &desc = item[4];
        SCOPED_TRACE(plu);
        EXPECT_TRUE(plu.size() >= 4 && plu.size() <= 6 &&
                    std::all_of(plu.begin(), plu.end(), ::isdigit));
        EXPECT_TRUE(hasValidCheckDigit(barcode)) << barcode;
        EXPECT_TRUE(barcode[0] == '2') << barcode;
        ASSERT_EQ(status.size(), 5u);
        EXPECT_TRUE(std::all_of(status.begin(), status.end(), ::isdigit)) << status;
        EXPECT_EQ(status[0] == '1', type == "PP") << status;
        // The CAS scales know an item by the last five digits of its code.
        EXPECT_TRUE(casPluNumbers.insert(plu.substr(plu.size() >= 5 ? plu.size() - 5 : 0)).second);
        accented |= desc.find('\xC9') != std::string::npos;
        comma |= desc.find(',') != std::string::npos;
    }
    EXPECT_TRUE(accented);
    EXPECT_TRUE(comma);
}

TEST_F(MakeDemoTest, PromotionsRunTodayAndSomeItemsChangedThisWeek) {
    Database db = till();
    const std::string today = "date('now', 'localtime')";
    EXPECT_GE(db.count("SELECT COUNT(*) FROM Mas_Stock_Price WHERE M_Level='P1' AND "
                       "M_DateActive='T' AND M_TimeActive='F' AND M_DiscPrice < M_Price AND "
                       "date(M_DateFrom) <= " +
                       today + " AND " + today + " <= date(M_DateTo)"),
              3);
    EXPECT_GE(db.count("SELECT COUNT(*) FROM Mas_Stock_Price WHERE M_Level='P1' AND "
                       "M_DateActive='T' AND M_TimeActive='T' AND "
                       "time(M_TimeFrom) >= '12:00:00' AND time(M_TimeTo) <= '20:00:00' AND "
                       "date(M_DateFrom) <= " +
                       today + " AND " + today + " <= date(M_DateTo)"),
              1);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Mas_Stock_Price WHERE M_DateActive NOT IN "
                       "('T', 'F') OR M_TimeActive NOT IN ('T', 'F')"),
              0);

    int changedThisWeek = db.count("SELECT COUNT(*) FROM Mas_Stock WHERE "
                                   "M_Update >= date('now', 'localtime', '-7 days')");
    EXPECT_GT(changedThisWeek, 0);
    EXPECT_LT(changedThisWeek, db.count("SELECT COUNT(*) FROM Mas_Stock") / 2);
    EXPECT_EQ(
        db.count("SELECT COUNT(*) FROM Mas_Stock WHERE M_Update NOT GLOB "
                 "'[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'"),
        0);
}

// No field of any scale file comes out empty or cut: the widths of every model
// hold the longest code, price and description of the catalog.
TEST_F(MakeDemoTest, EveryTargetModelHasWidthsThatFitTheCatalog) {
    Database db = till();
    int longestCode = db.count("SELECT MAX(LENGTH(M_PluCode)) FROM Mas_Stock");
    int longestDesc = db.count("SELECT MAX(LENGTH(CAST(M_Desc AS BLOB))) FROM Mas_Stock");
    int longestPrice =
        db.count("SELECT MAX(LENGTH(CAST(CAST(ROUND(M_Price * 100) AS INTEGER) AS TEXT))) "
                 "FROM Mas_Stock_Price");
    int longestScanCode = Database(file("Data\\Pos\\kelp.db"))
                              .count("SELECT MAX(LENGTH(M_Scan_Code)) FROM Mas_Scan_Plu "
                                     "WHERE M_Scale = 'T'");
    IniFile ini = settings();
    for (std::string_view name : pondus::targetModelNames()) {
        std::string model(name);
        SCOPED_TRACE(model);
        int codeWidth = ini.readWholeNumberText(model, "SOURCE_PLUL", "0");
        EXPECT_GE(codeWidth, longestCode);
        EXPECT_GE(ini.readWholeNumberText(model, "SOURCE_PRICEL", "0"), longestPrice);
        EXPECT_GE(ini.readWholeNumberText(model, "SOURCE_DESCL", "0"), longestDesc);
        EXPECT_NE(ini.readString(model, "TARGET_FILE", ""), "");
        EXPECT_EQ(ini.readString(model, "TARGET_SYMBOL", "absent"), "absent");
        if (model == "CAS CL5000J" || model == "ISHIDA BC4000 (DIRECT SEND)") {
            EXPECT_GE(codeWidth, longestScanCode);
        }
    }
    EXPECT_EQ(ini.readString("GENERAL", "DEFAULT_TARGET", ""), "CAS CL5000J");
    EXPECT_EQ(ini.readString("GENERAL", "DEFAULT_PRICE", ""), "P1");
}

TEST_F(MakeDemoTest, AliasesReachTheThreeDatabases) {
    IniFile aliases(file("Alias.ini"));
    for (const char* alias : {"POSAPP", "KelpMas", "MartenV8"}) {
        SCOPED_TRACE(alias);
        EXPECT_EQ(aliases.readString(alias, "DRIVER", ""), "SQLITE");
        EXPECT_TRUE(fs::is_regular_file(file(aliases.readString(alias, "DATABASE", "?"))));
    }

    std::string flagCode = IniFile(file("Register.ini")).readString("SCALE", "FLAG_CODE", "");
    ASSERT_FALSE(flagCode.empty());
    Database kelp(file("Data\\Pos\\kelp.db"));
    int onScale = kelp.count("SELECT COUNT(*) FROM Mas_Scan_Plu WHERE M_Scale = 'T'");
    EXPECT_GE(onScale, 24);
    EXPECT_GT(onScale, kelp.count("SELECT COUNT(*) FROM Mas_Scan_Plu") / 2);
    EXPECT_EQ(kelp.count("SELECT COUNT(*) FROM Mas_Scan_Plu WHERE M_Scale = 'T' AND "
                         "substr(M_Scan_Code, 1, " +
                         std::to_string(flagCode.size()) + ") <> '" + flagCode + "'"),
              0);

    Database v8(file("Data\\Pos\\v8.db"));
    int v8Items = v8.count("SELECT COUNT(*) FROM Mas_Stock WHERE M_Stock_Type='PW' or "
                           "M_Stock_Type='PP'");
    EXPECT_GE(v8Items, 24);
    EXPECT_EQ(v8.count("SELECT COUNT(*) FROM Mas_Stock_Scale"), v8Items);
    EXPECT_EQ(v8.count("SELECT COUNT(*) FROM Mas_Stock_Price WHERE M_Price_Level = 'P1'"), v8Items);
}

// The text conversion cuts a digit code, a digit price and a description out
// of every item of the sample export.
TEST_F(MakeDemoTest, BravusExportMatchesItsSettings) {
    IniFile ini = settings();
    auto number = [&](const char* key) { return ini.readWholeNumberText("BRAVUS", key, "0"); };
    std::string start = ini.readString("BRAVUS", "SOURCE_STROW", "");
    std::string end = ini.readString("BRAVUS", "SOURCE_ENDROW", "");
    size_t markerLength = size_t(number("SOURCE_DIGITROW"));
    ASSERT_EQ(start.size(), markerLength);

    std::string text = readFile(file(ini.readString("BRAVUS", "SOURCE_FILE", "")));
    int items = 0;
    size_t from = 0;
    for (size_t lineEnd; (lineEnd = text.find("\r\n", from)) != std::string::npos;
         from = lineEnd + 2) {
        std::string line = text.substr(from, lineEnd - from);
        auto cut = [&](const char* startKey, const char* lengthKey) {
            return line.substr(std::min(line.size(), size_t(number(startKey) - 1)),
                               size_t(number(lengthKey)));
        };
        auto isNumber = [](const std::string& s) {
            return !s.empty() && std::all_of(s.begin(), s.end(), ::isdigit);
        };
        if (line.compare(0, markerLength, start) == 0) {
            ++items;
            EXPECT_TRUE(isNumber(cut("SOURCE_PLUS", "SOURCE_PLUL"))) << line;
            EXPECT_TRUE(isNumber(cut("SOURCE_PRICES", "SOURCE_PRICEL"))) << line;
        } else if (line.compare(0, markerLength, end) == 0) {
            EXPECT_NE(cut("SOURCE_DESCS", "SOURCE_DESCL").find_first_not_of(' '), std::string::npos)
                << line;
        }
    }
    EXPECT_GE(items, 20);
}

TEST_F(MakeDemoTest, TextFilesEndTheirLinesWithCrLf) {
    for (const char* name :
         {"Scale.ini", "Alias.ini", "Register.ini", "Setup.ini", "Data\\Bravus\\PLUEXP.TXT"}) {
        std::string text = readFile(file(name));
        ASSERT_FALSE(text.empty()) << name;
        for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
            ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << name << " at byte " << at;
    }
}

TEST_F(MakeDemoTest, ProgramFoldersExistAndStandInsAreCopiedWhenPresent) {
    for (const char* folder : {"Data\\Scale", "Log\\Temp", "Scale\\CAS", "Scale\\CL5500"})
        EXPECT_TRUE(fs::is_directory(file(folder))) << folder;

    const fs::path standIns = PONDUS_STANDINS_DIR;
    for (auto [program, copy] : {std::pair{"IshidaDriver.exe", "IshidaDriver.exe"},
                                 {"IshidaDriverSlpV.exe", "IshidaDriverSlpV.exe"},
                                 {"CasLink.exe", "Scale\\CAS\\CasLink.exe"},
                                 {"CasLink.exe", "Scale\\CL5500\\CasLink.exe"}}) {
        SCOPED_TRACE(copy);
        bool present = fs::is_regular_file(standIns / program);
        ASSERT_EQ(fs::is_regular_file(file(copy)), present);
        if (present) {
            EXPECT_NE(fs::status(file(copy)).permissions() & fs::perms::owner_exec,
                      fs::perms::none);
        }
    }
}

TEST(MakeDemoRerunTest, SecondRunRebuildsTheSameCatalog) {
    TempFolder folder;
    auto catalog = [&] {
        Database db(pondus::resolveName(pondus::joinName(folder.str(), "Data\\Pos\\tillv10.db")));
        return db.rows("SELECT s.M_PluCode, s.M_Barcode, s.M_Desc, s.M_Type, p.M_Level, "
                       "p.M_Price, p.M_DiscPrice FROM Mas_Stock s JOIN Mas_Stock_Price p "
                       "ON p.M_PluLinkID = s.M_PluLinkID ORDER BY 1, 5");
    };
    ASSERT_EQ(runMakeDemo(folder.path()), 0);
    Rows first = catalog();
    folder.write("Scale.ini", "[GENERAL]\r\nDEFAULT_TARGET=BIZERBA BC-815\r\n");
    ASSERT_EQ(runMakeDemo(folder.path()), 0);
    EXPECT_EQ(catalog(), first);
    EXPECT_EQ(IniFile(folder.path() / "Scale.ini").readString("GENERAL", "DEFAULT_TARGET", ""),
              "CAS CL5000J");
}

} // namespace
