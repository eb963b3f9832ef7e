#include "DirectSendFixture.h"
#include "base/Error.h"
#include "data/RecordSet.h"
#include "exports/Exports.h"
#include "shell/DetachedStarter.h"

#include <filesystem>
#include <functional>

namespace pondus::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Routine = std::function<void(SendContext&)>;

const std::string cl5000 = "CAS CL5000J";
const std::string cl5500 = "CAS CL5500J";
const std::string cl5200 = "CAS CL5200J";

const std::string chickenLine =
    "1\t12345\t1\tCHICKEN BREAST      \t001250\t12345\t0\t5\t0"; // Desc: 20 characters
const std::string chickenListLine =
    "12345" + std::string(9, ' ') + "CHICKEN BREAST" + std::string(27, ' ') + "12.50";

class CasExport : public DirectSendExport {
protected:
    CasExport() {
        fs::create_directories(app.path() / "Scale/Cas");
        fs::create_directories(app.path() / "Scale/CL5500");
    }
    // The settings of the worked example, in the model's section.
    void workedExampleSettings(const std::string& section) {
        set("GENERAL", "CALCULATION_PLU", "0");
        set("GENERAL", "CALCULATION_SCALE", "1");
        set("GENERAL", "CALCULATION_VALUE", "1");
        set("GENERAL", "BARCODE_PLUCODE", "1");
        for (auto [key, value] : {std::pair{"SOURCE_PLUL", "7"},
                                  {"SOURCE_PRICEL", "6"},
                                  {"SOURCE_DESCL", "20"},
                                  {"Dept", "1"},
                                  {"SalesMode", "0"},
                                  {"PackDate", "0"},
                                  {"ShelfLife", "0"},
                                  {"FixedPrice", "0"}})
            set(section, key, value);
    }
    Item chicken(std::string link = "L1") {
        Item item{link, "2012345", "9556001234567", "CHICKEN BREAST"};
        item.price = "12.5";
        item.status = "'1005'";
        return item;
    }
    // The column of every data line of the download file.
    Lines column(const std::string& relative, size_t index) {
        Lines values;
        std::string text = file(relative);
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find("\r\n", start);
            std::string line = text.substr(start, end - start);
            start = end + 2;
            size_t from = 0;
            for (size_t i = 0; i < index && from != std::string::npos; ++i)
                from = line.find('\t', from) + 1;
            values.push_back(line.substr(from, line.find('\t', from) - from));
        }
        return values;
    }
};

TEST_P(CasExport, WorkedExamplesOfTheThreeModels) {
    set("GENERAL", "FixedVal1", "3");
    set("GENERAL", "FixedVal2", "15");
    addItem(chicken());
    struct Case {
        std::string section;
        Routine routine;
        std::string targetFile;
        std::string listFile;
        std::string line;
        std::string program;
    } cases[] = {
        {cl5000, exportCasCl5000J, "Scale\\CAS\\PLU-Down-CL5000J.txt",
         "Scale/Cas/Plu-Down2-CL5000J.txt", chickenLine, "\\Scale\\Cas\\CasLink.exe"},
        {cl5500, exportCasCl5500J, "Scale\\CL5500\\PLU-Down-CL5000J.txt",
         "Scale/CL5500/Plu-Down2-CL5000J.txt", chickenLine, "\\Scale\\CL5500\\CasLink.exe"},
        {cl5200, exportCasCl5200J, "Data\\Scale\\Scale.txt", "Scale/CL5500/Plu-Down2-CL5000J.txt",
         chickenLine + "\t3\t15", "\\Scale\\CL5500\\CasLink.exe"},
    };
    fs::create_directories(app.path() / "Data/Scale");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        workedExampleSettings(c.section);
        starter.starts.clear();
        c.routine(context("TILLV10", c.section, app.str() + "\\" + c.targetFile));

        std::string downloadFile = c.targetFile;
        for (char& ch : downloadFile)
            if (ch == '\\')
                ch = '/';
        if (c.section == cl5000)
            downloadFile = "Scale/Cas/PLU-Down-CL5000J.txt"; // "CAS" matched the folder "Cas"
        EXPECT_EQ(file(downloadFile), crlf({c.line}));
        EXPECT_EQ(file(c.listFile), crlf({chickenListLine}));
        EXPECT_EQ(frontend.memo1, (Lines{"# 1", "2012345 CHICKEN BREAST       001250"}));
        EXPECT_EQ(frontend.memo2, (Lines{"# 1", c.line}));
        ASSERT_EQ(starter.starts.size(), 1u);
        EXPECT_EQ(starter.starts[0].program, app.str() + c.program);
        EXPECT_EQ(starter.starts[0].words, Lines{});
        EXPECT_TRUE(fs::equivalent(starter.starts[0].folder, app.path()));
        EXPECT_TRUE(frontend.restored());
        EXPECT_FALSE(data->tblStock().filtered());
        EXPECT_EQ(data->tblStock().filterText(), "");
    }
    EXPECT_EQ(frontend.boxes, Lines{});
}

TEST_P(CasExport, Cl5200JWithoutFixedValuesEndsEveryLineWithTwoTabs) {
    workedExampleSettings(cl5200);
    addItem(chicken());
    exportCasCl5200J(context("TILLV10", cl5200, "Down.txt"));
    EXPECT_EQ(file("Down.txt"), crlf({chickenLine + "\t\t"}));
}

TEST_P(CasExport, WeightStatusGivesSalesModeAndShelfLife) {
    workedExampleSettings(cl5000);
    set(cl5000, "SalesMode", "7");
    set(cl5000, "ShelfLife", "9");
    struct Case {
        const char* status; // SQL literal; empty: no Mas_Stock_Weight row
        const char* salesMode;
        const char* shelfLife;
    } cases[] = {
        {"'1005'", "1", "5"},  {"'0012'", "7", "12"}, {"'1000'", "1", "0"}, {"'10'", "1", "0"},
        {"'10071'", "1", "7"}, {"''", "7", "9"},      {"NULL", "7", "9"},   {"", "7", "9"},
    };
    int n = 0;
    for (const Case& c : cases) {
        Item row = chicken("L" + std::to_string(++n));
        row.status = c.status;
        addItem(row);
    }
    exportCasCl5000J(context("TILLV10", cl5000, "Down.txt"));

    Lines salesModes;
    Lines shelfLives;
    for (const Case& c : cases) {
        salesModes.push_back(c.salesMode);
        shelfLives.push_back(c.shelfLife);
    }
    EXPECT_EQ(column("Down.txt", 2), salesModes);
    EXPECT_EQ(column("Down.txt", 7), shelfLives);
}

TEST_P(CasExport, ShortOrNonNumericWeightStatusEndsTheRunKeepingEarlierLines) {
    workedExampleSettings(cl5000);
    struct Case {
        const char* status;
        const char* message;
    } cases[] = {
        {"'1'", "'' is not a valid integer value"},
        {"'1X5'", "'X5' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        pos().exec("DELETE FROM Mas_Stock;\nDELETE FROM Mas_Stock_Price;\n"
                   "DELETE FROM Mas_Stock_Weight;");
        addItem(chicken("L1"));
        Item bad = chicken("L2");
        bad.status = c.status;
        addItem(bad);
        starter.starts.clear();
        try {
            exportCasCl5000J(context("TILLV10", cl5000, "Down.txt"));
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        EXPECT_EQ(file("Down.txt"), crlf({chickenLine}));
        EXPECT_EQ(file("Scale/Cas/Plu-Down2-CL5000J.txt"), crlf({chickenListLine}));
        EXPECT_TRUE(frontend.restored());
        EXPECT_TRUE(starter.starts.empty());
    }
}

TEST_P(CasExport, Cl5000JOnMartenV8) {
    workedExampleSettings(cl5000);
    set("GENERAL", "BARCODE_PLUCODE", "0");
    set(cl5000, "SalesMode", "7");
    set(cl5000, "ShelfLife", "9");
    v8().exec("INSERT INTO Mas_Stock VALUES ('S1', '9900777', '9556000012345', 'LAMB LEG', 30.5, "
              "'PW', '2026-03-05 00:00:00');\n"
              "INSERT INTO Mas_Stock VALUES ('S2', '778', '9556000067890', 'LAMB CHOP', 8.25, "
              "'PW', '2026-02-01 00:00:00');\n"
              "INSERT INTO Mas_Stock VALUES ('S3', '779', '9556000099999', 'LAMB RACK', 9.0, "
              "'PP', '2026-03-02 00:00:00');\n"
              "INSERT INTO Mas_Stock_Price VALUES ('9900777', 12.0, 'S1', 'P2');\n"
              "INSERT INTO Mas_Stock_Scale VALUES ('S1', '1', NULL, '2');\n"
              "INSERT INTO Mas_Stock_Scale VALUES ('S3', '0', 4, '1');");
    struct Case {
        const char* level;
        bool changedSince;
        Lines lines;
    } cases[] = {
        {"P1",
         false,
         {"1\t00777\t2\tLAMB LEG            \t003050\t00012\t0\t0\t0",
          "1\t778\t7\tLAMB CHOP           \t000825\t00067\t0\t9\t0",
          "1\t779\t7\tLAMB RACK           \t000900\t00099\t0\t4\t0"}},
        {"P2",
         false,
         {"1\t00777\t2\tLAMB LEG            \t001200\t00012\t0\t0\t0",
          "1\t778\t7\tLAMB CHOP           \t000000\t00067\t0\t9\t0",
          "1\t779\t7\tLAMB RACK           \t000000\t00099\t0\t4\t0"}},
        {"P2",
         true,
         {"1\t00777\t2\tLAMB LEG            \t001200\t00012\t0\t0\t0",
          "1\t779\t7\tLAMB RACK           \t000000\t00099\t0\t4\t0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.level) + (c.changedSince ? " changed since" : ""));
        frontend.progress.clear();
        SendContext& context = this->context("MARTEN POS V8", cl5000, "Down.txt");
        context.v8PriceLevel = c.level;
        context.changedSince = c.changedSince;
        exportCasCl5000J(context);
        EXPECT_EQ(file("Down.txt"), crlf(c.lines));
        EXPECT_EQ(frontend.progress.back(), 100);
        EXPECT_EQ(frontend.progress.size(), c.lines.size());
        EXPECT_FALSE(data->tblStockV8().filtered());
        EXPECT_EQ(data->tblStockV8().filterText(), "");
    }
}

TEST_P(CasExport, Cl5000JOnKelpCutsTheFlagCode) {
    workedExampleSettings(cl5000);
    set(cl5000, "SalesMode", "7");
    set(cl5000, "ShelfLife", "9");
    kelp().exec("INSERT INTO Mas_Scan_Plu VALUES ('2012345', 'PRAWN MEDIUM', 'T', '1', 3, '1', "
                "'001');\n"
                "INSERT INTO Mas_Scan_Plu VALUES ('2054321', 'PRAWN LARGE', 'T', '0', 0, '1', "
                "'001');");
    struct Case {
        const char* flagCode;
        Lines lines;
        Lines list;
    } cases[] = {
        {"20",
         {"1\t12345\t2\tPRAWN MEDIUM        \t000000\t12345\t0\t3\t0",
          "1\t54321\t7\tPRAWN LARGE         \t000000\t54321\t0\t0\t0"},
         {"12345" + std::string(9, ' ') + "PRAWN MEDIUM" + std::string(29, ' '),
          "54321" + std::string(9, ' ') + "PRAWN LARGE" + std::string(30, ' ')}},
        {"20123456",
         {"1\t\t2\tPRAWN MEDIUM        \t000000\t12345\t0\t3\t0",
          "1\t\t7\tPRAWN LARGE         \t000000\t54321\t0\t0\t0"},
         {std::string(14, ' ') + "PRAWN MEDIUM" + std::string(29, ' '),
          std::string(14, ' ') + "PRAWN LARGE" + std::string(30, ' ')}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flagCode);
        SendContext& context = this->context("KELP", cl5000, "Down.txt");
        context.flagCode = c.flagCode;
        exportCasCl5000J(context);
        EXPECT_EQ(file("Down.txt"), crlf(c.lines));
        EXPECT_EQ(file("Scale/Cas/Plu-Down2-CL5000J.txt"), crlf(c.list));
    }
}

TEST_P(CasExport, Cl5500JAndCl5200JReadTillv10WhateverTheSource) {
    addItem(chicken("L1"));
    Item old = chicken("L2");
    old.pluCode = "2054321";
    old.update = "2026-02-01 00:00:00";
    addItem(old);
    kelp();
    v8();
    for (auto [section, routine] :
         {std::pair{cl5500, Routine(exportCasCl5500J)}, {cl5200, Routine(exportCasCl5200J)}}) {
        workedExampleSettings(section);
        for (const char* source : {"KELP", "MARTEN POS V8", "BRAVUS"}) {
            for (bool ticked : {false, true}) {
                SCOPED_TRACE(section + " from " + source + (ticked ? ", changed since" : ""));
                SendContext& context = this->context(source, section, "Down.txt");
                context.changedSince = ticked;
                routine(context);
                EXPECT_EQ(column("Down.txt", 1),
                          (ticked ? Lines{"12345"} : Lines{"12345", "54321"}));
                EXPECT_FALSE(data->tblStock().filtered());
                EXPECT_FALSE(data->tblStockV8().filtered());
            }
        }
    }
    EXPECT_EQ(frontend.boxes, Lines{});
}

TEST_P(CasExport, EmptyStockGivesEmptyFilesAndStillStartsTheLinkProgram) {
    workedExampleSettings(cl5000);
    pos();
    exportCasCl5000J(context("TILLV10", cl5000, "Down.txt"));
    EXPECT_TRUE(fs::exists(app.path() / "Down.txt"));
    EXPECT_EQ(file("Down.txt"), "");
    EXPECT_EQ(file("Scale/Cas/Plu-Down2-CL5000J.txt"), "");
    EXPECT_EQ(starter.starts.size(), 1u);
}

TEST_P(CasExport, LogTempThatCannotBeCreatedEndsTheRunBeforeAnyFile) {
    pos();
    app.write("Log", "a file where the folder should be");
    try {
        exportCasCl5000J(context("TILLV10", cl5000, "Down.txt"));
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create " + app.str() + "\\Log\\Temp");
    }
    EXPECT_FALSE(fs::exists(app.path() / "Down.txt"));
    EXPECT_TRUE(frontend.restored());
    EXPECT_TRUE(starter.starts.empty());
}

TEST_P(CasExport, TheStandInLinkProgramIsStartedWithoutWords) {
    workedExampleSettings(cl5000);
    addItem(chicken());
    fs::copy_file(standinFolder() / "CasLink.exe", app.path() / "Scale/Cas/CasLink.exe");
    fs::permissions(app.path() / "Scale/Cas/CasLink.exe", fs::perms::owner_all);
    DetachedStarter detached;
    exportCasCl5000J(context("TILLV10", cl5000, "Down.txt", &detached));

    EXPECT_EQ(waitForText(app.path() / "standin-calls.log", "\n"),
              fs::canonical(app.path()).string() + " | CasLink.exe |\n");
    EXPECT_TRUE(frontend.restored());
}

INSTANTIATE_TEST_SUITE_P(Engines, CasExport, ::testing::Values(Engine::Sqlite, Engine::Firebird),
                         [](const auto& info) { return engineName(info.param); });

} // namespace
} // namespace pondus::test
