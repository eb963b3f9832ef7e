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

const std::string astra = "ISHIDA ASTRA XT (DIRECT SEND)";
const std::string bc4000 = "ISHIDA BC4000 (DIRECT SEND)";

const std::string header1 =
    "Plu_No,SalesMode,MarkFlag,DateFlag,TimeFlag,PosSelect,OpenPrice,ExpTimeFlag,ForcedTare,"
    "WrappingMode,WrappingSpeed,Volume,LabellingPos,Rotate,LabelFormat,BarCodeNum,BestBeforeFlag,"
    "PackQuant,Tare,ShelfLife,";
const std::string header2 =
    "ExpTime,PackTime,Posflag,Message1,Message7,Coupon,Nutrition,TaxNo,Random,TrayNo,Logo1,"
    "Logo2,PropTare,BestBefore,UnitPrice,Weight,CostPrice,MarkPrice,UpperLimit,LowerLimit,"
    "ExMessage2,ExMessage3,NutritionID,ItemCode,PosCode,RegCode,Dept,Group,Desc";
const std::string astraHeader = header1 + header2;
const std::string bc4000Header = header1 + "LabelFormatNo1," + header2;

const std::string salmonDescription = "SALMON FILLET           "; // 24 characters
const std::string salmonAstraLine =
    "1234,1,0,1,0,,,,,,,,,,1,,,,,7,,,,,,,,,,,,,,,002590,,,,,,,,,1234,"
    "2001234000,,,,2,\"" +
    salmonDescription + "\"";
const std::string salmonBc4000Line =
    "1234,1,0,1,0,,,,,,,,,,1,31,,,,7,32,,,,,,,,,,,,,,,002590,,,,,,,,,1234,2001234000,,,,2,\"" +
    salmonDescription + "\"";
const std::string salmonListLine =
    "1234" + std::string(10, ' ') + "SALMON FILLET" + std::string(28, ' ') + "25.90";

using Routine = std::function<void(SendContext&)>;

class IshidaExport : public DirectSendExport {
protected:
    // The settings of the worked example, in the model's section.
    void workedExampleSettings(const std::string& section) {
        set("GENERAL", "CALCULATION_PLU", "0");
        set("GENERAL", "CALCULATION_SCALE", "1");
        set("GENERAL", "CALCULATION_VALUE", "1");
        set("GENERAL", "BARCODE_PLUCODE", "0");
        for (auto [key, value] : {std::pair{"SOURCE_PLUL", "6"},
                                  {"SOURCE_PRICEL", "6"},
                                  {"SOURCE_DESCL", "24"},
                                  {"MarkFlag", "0"},
                                  {"TimeFlag", "0"},
                                  {"LabelFormat", "1"},
                                  {"SalesMode", "0"},
                                  {"DateFlag", "0"},
                                  {"ShelfLife", "0"}})
            set(section, key, value);
    }
    Item salmon(std::string link = "L1") {
        return {link, "1234", "2001234000000", "SALMON FILLET"};
    }
    // The send file as the target file field names it, stored as TARGET_FILE
    // the way SEND stores it.
    SendContext& send(const std::string& source, const std::string& section,
                      const std::string& targetFile, ProgramStarter* programStarter = nullptr) {
        set(section, "TARGET_FILE", targetFile);
        return context(source, section, targetFile, programStarter);
    }
    // Only the columns the test names, from the BC4000's header keys.
    void bc4000Columns(const std::string& first, const std::string& second) {
        set(bc4000, "TARGET_COLUMN_HEADER_1", first);
        set(bc4000, "TARGET_COLUMN_HEADER_2", second);
    }
    std::string onlyDataLine(const std::string& sendFile) {
        Lines lines = frontend.memo2;
        EXPECT_EQ(lines.size(), 2u) << file(sendFile);
        return lines.size() == 2 ? lines[1] : "";
    }
    void expectFilterRemoved() {
        EXPECT_FALSE(data->tblStock().filtered());
        EXPECT_EQ(data->tblStock().filterText(), "");
    }
};

TEST_P(IshidaExport, AstraXtWorkedExample) {
    workedExampleSettings(astra);
    addItem(salmon());
    std::string targetFile = app.str() + "\\Log\\Temp\\SendPlu.txt";
    exportIshidaAstraXt(send("TILLV10", astra, targetFile));

    EXPECT_EQ(file("Log/Temp/SendPlu.txt"), crlf({astraHeader, salmonAstraLine}));
    EXPECT_EQ(file("Log/Temp/SendPlu2.txt"), crlf({salmonListLine}));
    EXPECT_EQ(frontend.memo1, (Lines{"# 1", "1234 " + salmonDescription + " 002590"}));
    EXPECT_EQ(frontend.memo2, (Lines{"# 1", salmonAstraLine}));
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].program, app.str() + "\\IshidaDriver.exe");
    EXPECT_EQ(starter.starts[0].words, (Lines{"-u", "-r", "-l", "-fplu", "-c", targetFile,
                                              "ScaleSetup.txt", "Log\\Temp\\IshidaDrvLog.log"}));
    EXPECT_TRUE(fs::equivalent(starter.starts[0].folder, app.path()));
    EXPECT_TRUE(frontend.restored());
    EXPECT_EQ(frontend.boxes, Lines{});
    expectFilterRemoved();
}

TEST_P(IshidaExport, Bc4000WorkedExampleOnTillv10) {
    workedExampleSettings(bc4000);
    addItem(salmon());
    exportIshidaBc4000(send("TILLV10", bc4000, "Log\\Temp\\SendPluBC4000.txt"));

    EXPECT_EQ(file("Log/Temp/SendPluBC4000.txt"), crlf({bc4000Header, salmonBc4000Line}));
    EXPECT_EQ(file("Log/Temp/SendPlu2BC4000.txt"), crlf({salmonListLine}));
    EXPECT_EQ(frontend.memo2, (Lines{"# 1", salmonBc4000Line}));
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].program, app.str() + "\\IshidaDriverSlpV.exe");
    EXPECT_EQ(starter.starts[0].words,
              (Lines{"-u", "-r", "-l", "-fplu", "-c", "Log\\Temp\\SendPluBC4000.txt",
                     "ScaleSetupBC4000.txt", "Log\\Temp\\IshidaDrvLogBC4000.log"}));
    EXPECT_TRUE(frontend.restored());
    expectFilterRemoved();
}

TEST_P(IshidaExport, Bc4000WorkedExampleOnKelp) {
    workedExampleSettings(bc4000);
    set(bc4000, "SOURCE_PLUL", "7");
    kelp().exec("INSERT INTO Mas_Scan_Plu VALUES ('2012345', 'PRAWN MEDIUM', 'T', '0', 3, '1', "
                "'001');\n"
                "INSERT INTO Mas_Scan_Plu VALUES ('2099999', 'NOT ON THE SCALE', 'F', '0', 3, "
                "'1', '001');");
    SendContext& context = send("KELP", bc4000, "Log\\Temp\\SendPluBC4000.txt");
    context.flagCode = "20";
    exportIshidaBc4000(context);

    std::string line = "12345,0,0,1,0,,,,,,,,,,1,,,,,3,,,,,,,,,,,,,,,,000000,,,,,,,,,12345,2012345,"
                       ",,,2,\"PRAWN MEDIUM            \"";
    EXPECT_EQ(file("Log/Temp/SendPluBC4000.txt"), crlf({bc4000Header, line}));
    EXPECT_EQ(file("Log/Temp/SendPlu2BC4000.txt"),
              crlf({"12345" + std::string(9, ' ') + "PRAWN MEDIUM" + std::string(29, ' ')}));
    EXPECT_EQ(frontend.memo1,
              (Lines{"# 1", "2012345 PRAWN MEDIUM" + std::string(12, ' ') + " 000000"}));
    // tblStock stays closed without POSAPP; its filter is still cleared.
    EXPECT_FALSE(data->tblStock().isOpen());
    expectFilterRemoved();
    EXPECT_EQ(starter.starts.size(), 1u);
}

TEST_P(IshidaExport, Bc4000ColumnsFollowTheHeaderKeys) {
    workedExampleSettings(bc4000);
    for (auto [key, value] : {std::pair{"Tare", "9"},
                              {"PackQuant", "5"},
                              {"UnitPrice", "U"},
                              {"Plu_No", "P"},
                              {"BarCodeNum", "B"}})
        set(bc4000, key, value);
    addItem(salmon());
    const std::string desc = "2,\"" + salmonDescription + "\"";
    std::string hundredTares;
    std::string hundredNines;
    for (int i = 0; i < 100; ++i) {
        hundredTares += "Tare,";
        hundredNines += i ? ",9" : "9";
    }
    struct Case {
        const char* what;
        std::string first;
        std::string second;
        std::string line;
    } cases[] = {
        {"lower-case names",
         "plu_no,SALESMODE,dateflag,shelflife,barcodenum,labelformatno1,packquant",
         "unitprice,itemcode,poscode,desc", "1234,1,1,7,31,32,5,002590,1234,2001234000," + desc},
        {"names with blanks are looked up as spelled", "Plu_No, Plu_No,Tare ,Tare", "Desc ,Desc",
         "1234,,,9,," + desc},
        {"known names in the other list are looked up", "UnitPrice,Desc", "Plu_No,SalesMode",
         "U,,P,0"},
        {"repeats", "Plu_No,Plu_No,Tare,Tare", "Desc,Desc", "1234,1234,9,9," + desc + "," + desc},
        {"two commas in a row give nothing", "Plu_No,,Tare", ",UnitPrice,", "1234,9,002590"},
        {"names beyond the 100th give nothing", hundredTares + "Plu_No", "", hundredNines},
        {"no names at all", "", "", ""},
        {"only commas", ",,", ",", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bc4000Columns(c.first, c.second);
        frontend.memo2.clear();
        exportIshidaBc4000(send("TILLV10", bc4000, "Send.txt"));
        EXPECT_EQ(file("Send.txt"), crlf({c.first + c.second, c.line}));
    }
}

TEST_P(IshidaExport, Bc4000StockTypeAndSalesModeGiveBarcodeLabelAndPackColumns) {
    workedExampleSettings(bc4000);
    for (auto [key, value] :
         {std::pair{"BarCodeNum", "B"}, {"LabelFormatNo1", "L"}, {"PackQuant", "Q"}})
        set(bc4000, key, value);
    bc4000Columns("Plu_No,SalesMode,BarCodeNum,LabelFormatNo1,PackQuant", "");
    auto item = [&](const char* link, const char* plu, const char* type, const char* status) {
        Item row{link, plu, "", "ITEM"};
        row.type = type;
        row.status = status;
        addItem(row);
    };
    item("L1", "1", "PW", "'10071'");
    item("L2", "2", "PW", "'00071'");
    item("L3", "3", "PW", "");
    item("L4", "4", "PP", "'10071'");
    item("L5", "5", "PP", "'00071'");
    exportIshidaBc4000(send("TILLV10", bc4000, "Send.txt"));

    EXPECT_EQ(file("Send.txt"),
              crlf({"Plu_No,SalesMode,BarCodeNum,LabelFormatNo1,PackQuant", "1,1,31,32,Q",
                    "2,0,16,32,0", "3,0,16,32,0", "4,1,B,L,Q", "5,0,B,L,Q"}));
}

TEST_P(IshidaExport, WeightStatusGivesSalesModeShelfLifeAndDateFlag) {
    workedExampleSettings(astra);
    set(astra, "SalesMode", "5");
    set(astra, "DateFlag", "8");
    set(astra, "ShelfLife", "9");
    struct Case {
        const char* status; // SQL literal; empty: no Mas_Stock_Weight row
        const char* salesMode;
        const char* shelfLife;
        const char* dateFlag;
    } cases[] = {
        {"'10071'", "1", "7", "1"}, {"'00300'", "5", "30", "0"}, {"'20121'", "5", "12", "1"},
        {"''", "5", "9", "8"},      {"NULL", "5", "9", "8"},     {"", "5", "9", "8"},
    };
    int n = 0;
    for (const Case& c : cases) {
        Item row{"L" + std::to_string(++n), std::to_string(n), "", "ITEM"};
        row.status = c.status;
        addItem(row);
    }
    exportIshidaAstraXt(send("TILLV10", astra, "Send.txt"));

    Lines lines = frontend.memo2;
    ASSERT_EQ(lines.size(), 2 * std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].status);
        Lines columns;
        std::string line = lines[2 * i + 1];
        for (size_t start = 0;;) {
            size_t comma = line.find(',', start);
            columns.push_back(line.substr(start, comma - start));
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
        ASSERT_EQ(columns.size(), 50u);
        EXPECT_EQ(columns[1], cases[i].salesMode);
        EXPECT_EQ(columns[19], cases[i].shelfLife);
        EXPECT_EQ(columns[3], cases[i].dateFlag);
    }
}

TEST_P(IshidaExport, ShortOrNonNumericWeightStatusEndsTheRunKeepingEarlierLines) {
    struct Case {
        const char* status;
        const char* message;
    } cases[] = {
        {"'1005'", "'' is not a valid integer value"},
        {"'0012'", "'' is not a valid integer value"},
        {"'10'", "'' is not a valid integer value"},
        {"'1A071'", "'A07' is not a valid integer value"},
        {"'1007X'", "'X' is not a valid integer value"},
    };
    workedExampleSettings(astra);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        pos().exec("DELETE FROM Mas_Stock;\nDELETE FROM Mas_Stock_Price;\n"
                   "DELETE FROM Mas_Stock_Weight;");
        addItem(salmon("L1"));
        Item bad = salmon("L2");
        bad.status = c.status;
        addItem(bad);
        starter.starts.clear();
        try {
            exportIshidaAstraXt(send("TILLV10", astra, "Send.txt"));
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        EXPECT_EQ(file("Send.txt"), crlf({astraHeader, salmonAstraLine}));
        EXPECT_EQ(file("Log/Temp/SendPlu2.txt"), crlf({salmonListLine}));
        EXPECT_EQ(frontend.memo1.size(), 2u);
        EXPECT_TRUE(frontend.restored());
        EXPECT_TRUE(starter.starts.empty());
    }
}

TEST_P(IshidaExport, Bc4000OnMartenV8TakesThePriceOfTheV8PriceLevel) {
    workedExampleSettings(bc4000);
    set(bc4000, "SOURCE_DESCL", "10");
    bc4000Columns("Plu_No,SalesMode,ShelfLife,DateFlag,BarCodeNum", "UnitPrice,PosCode");
    v8().exec("INSERT INTO Mas_Stock VALUES ('S1', '777', '9556000000001', 'LAMB LEG', 30.5, "
              "'PW', '2026-03-05 00:00:00');\n"
              "INSERT INTO Mas_Stock VALUES ('S2', '778', '9556000000002', 'LAMB CHOP', 8.25, "
              "'PW', '2026-02-01 00:00:00');\n"
              "INSERT INTO Mas_Stock_Price VALUES ('777', 12.0, 'S1', 'P2');\n"
              "INSERT INTO Mas_Stock_Scale VALUES ('S1', '1', NULL, '2');");
    std::string header = "Plu_No,SalesMode,ShelfLife,DateFlag,BarCodeNumUnitPrice,PosCode";
    auto list = [](std::string code, std::string desc, std::string price) {
        return code + std::string(14 - code.size(), ' ') + desc +
               std::string(41 - desc.size(), ' ') + price;
    };
    struct Case {
        const char* level;
        bool changedSince;
        Lines send;
        Lines list;
    } cases[] = {
        {"P1",
         false,
         {header, "777,1,0,2,31,003050,9556000000", "778,0,0,0,16,000825,9556000000"},
         {list("777", "LAMB LEG", "30.50"), list("778", "LAMB CHOP", "8.25")}},
        {"P2",
         false,
         {header, "777,1,0,2,31,001200,9556000000", "778,0,0,0,16,000000,9556000000"},
         {list("777", "LAMB LEG", "12.00"), list("778", "LAMB CHOP", "0.00")}},
        {"P2",
         true,
         {header, "777,1,0,2,31,001200,9556000000"},
         {list("777", "LAMB LEG", "12.00")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.level) + (c.changedSince ? " changed since" : ""));
        SendContext& context = send("MARTEN POS V8", bc4000, "Send.txt");
        context.v8PriceLevel = c.level;
        context.changedSince = c.changedSince;
        exportIshidaBc4000(context);
        EXPECT_EQ(file("Send.txt"), crlf(c.send));
        EXPECT_EQ(file("Log/Temp/SendPlu2BC4000.txt"), crlf(c.list));
        EXPECT_FALSE(data->tblStockV8().filtered());
        EXPECT_EQ(data->tblStockV8().filterText(), "");
    }
}

TEST_P(IshidaExport, Bc4000OnKelpCutsTheFlagCodeAndIgnoresTheScaleSettings) {
    workedExampleSettings(bc4000);
    set(bc4000, "SOURCE_PLUL", "7");
    set(bc4000, "SalesMode", "5");
    bc4000Columns("Plu_No,SalesMode,ShelfLife,DateFlag", "ItemCode,PosCode,UnitPrice");
    kelp().exec("INSERT INTO Mas_Scan_Plu VALUES ('2012345', 'PRAWN', 'T', '1', 12, '0', '001');");
    struct Case {
        const char* flagCode;
        const char* line;
    } cases[] = {
        {"", "2012345,1,12,0,2012345,2012345,000000"},
        {"20", "12345,1,12,0,12345,2012345,000000"},
        {"2012345", ",1,12,0,,2012345,000000"},
        {"201234567", ",1,12,0,,2012345,000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flagCode);
        SendContext& context = send("KELP", bc4000, "Send.txt");
        context.flagCode = c.flagCode;
        exportIshidaBc4000(context);
        EXPECT_EQ(onlyDataLine("Send.txt"), c.line);
    }
}

TEST_P(IshidaExport, ChangedSinceNarrowsTheRecordsAndTheCount) {
    workedExampleSettings(astra);
    auto item = [&](const char* link, const char* plu, const char* update) {
        Item row{link, plu, "", "ITEM"};
        row.update = update;
        addItem(row);
    };
    item("L1", "1", "2026-03-05 08:00:00");
    item("L2", "2", "2026-02-28 23:59:00");
    item("L3", "3", "2026-03-01 00:00:00");
    for (bool ticked : {true, false}) {
        SCOPED_TRACE(ticked);
        frontend.progress.clear();
        SendContext& context = send("TILLV10", astra, "Send.txt");
        context.changedSince = ticked;
        exportIshidaAstraXt(context);
        auto logged = [](const char* plu) {
            return plu + (" ITEM" + std::string(20, ' ')) + " 002590";
        };
        Lines memo1 = ticked ? Lines{"# 1", logged("1"), "# 2", logged("3")}
                             : Lines{"# 1", logged("1"), "# 2", logged("2"), "# 3", logged("3")};
        EXPECT_EQ(frontend.memo1, memo1);
        EXPECT_EQ(frontend.progress,
                  ticked ? (std::vector<int>{50, 100}) : (std::vector<int>{33, 67, 100}));
        expectFilterRemoved();
    }
}

TEST_P(IshidaExport, EmptyStockGivesTheHeaderOnlyAndStillStartsTheDriver) {
    workedExampleSettings(astra);
    pos();
    exportIshidaAstraXt(send("TILLV10", astra, "Send.txt"));
    EXPECT_EQ(file("Send.txt"), crlf({astraHeader}));
    EXPECT_TRUE(fs::exists(app.path() / "Log/Temp/SendPlu2.txt"));
    EXPECT_EQ(file("Log/Temp/SendPlu2.txt"), "");
    EXPECT_EQ(starter.starts.size(), 1u);
    EXPECT_TRUE(frontend.restored());
}

TEST_P(IshidaExport, DeleteLogFileRemovesTheDriverLogBeforeTheStart) {
    pos();
    starter.watchedLog = app.path() / "Log/Temp/IshidaDrvLog.log";
    struct Case {
        const char* deleteLog;
        bool logBefore;
        bool logAtStart;
    } cases[] = {
        {"1", true, false},
        {"1", false, false},
        {"0", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.deleteLog) + (c.logBefore ? ", log present" : ", no log"));
        set(astra, "DELETE_LOG_FILE", c.deleteLog);
        fs::remove(starter.watchedLog);
        if (c.logBefore)
            app.write("Log/Temp/IshidaDrvLog.log", "old log\r\n");
        starter.starts.clear();
        exportIshidaAstraXt(send("TILLV10", astra, "Send.txt"));
        ASSERT_EQ(starter.starts.size(), 1u);
        EXPECT_EQ(starter.starts[0].logPresent, c.logAtStart);
    }
}

TEST_P(IshidaExport, DriverWordsAreSplitAtBlanksWithoutQuoting) {
    pos();
    set(bc4000, "TARGET_RUN_CMD", "-u  -r");
    set(bc4000, "TARGET_SETUP_FILE", "My Setup.txt");
    set(bc4000, "TARGET_LOG_FILE", "Log\\Temp\\Drv Log.log");
    set(bc4000, "TARGET_RUN_EXE", "Drivers\\IshidaDriverSlpV.exe");
    exportIshidaBc4000(send("TILLV10", bc4000, "Send File.txt"));
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].program, app.str() + "\\Drivers\\IshidaDriverSlpV.exe");
    EXPECT_EQ(starter.starts[0].words, (Lines{"-u", "-r", "Send", "File.txt", "My", "Setup.txt",
                                              "Log\\Temp\\Drv", "Log.log"}));
    EXPECT_EQ(file("Send File.txt"), crlf({bc4000Header}));
}

TEST_P(IshidaExport, DeleteLogFileLeavesAFolderOfThatNameAlone) {
    pos();
    set(astra, "DELETE_LOG_FILE", "1");
    set(astra, "TARGET_LOG_FILE", "Log\\Temp\\Drv");
    fs::create_directories(app.path() / "Log/Temp/Drv");
    exportIshidaAstraXt(send("TILLV10", astra, "Send.txt"));
    EXPECT_TRUE(fs::is_directory(app.path() / "Log/Temp/Drv"));
    EXPECT_EQ(starter.starts.size(), 1u);
}

TEST_P(IshidaExport, LogTempThatCannotBeCreatedEndsTheRunBeforeAnyFile) {
    pos();
    app.write("Log", "a file where the folder should be");
    for (auto [section, routine] :
         {std::pair{astra, Routine(exportIshidaAstraXt)}, {bc4000, Routine(exportIshidaBc4000)}}) {
        SCOPED_TRACE(section);
        try {
            routine(send("TILLV10", section, "Send.txt"));
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot create " + app.str() + "\\Log\\Temp");
        }
        EXPECT_FALSE(fs::exists(app.path() / "Send.txt"));
        EXPECT_TRUE(frontend.restored());
        EXPECT_TRUE(starter.starts.empty());
    }
}

TEST_P(IshidaExport, TheStandInDriverIsStartedInTheCurrentFolderWithItsWords) {
    workedExampleSettings(astra);
    addItem(salmon());
    fs::copy_file(standinFolder() / "IshidaDriver.exe", app.path() / "IshidaDriver.exe");
    fs::permissions(app.path() / "IshidaDriver.exe", fs::perms::owner_all);
    DetachedStarter detached;
    exportIshidaAstraXt(send("TILLV10", astra, "Log\\Temp\\SendPlu.txt", &detached));

    std::string calls = waitForText(app.path() / "standin-calls.log", "\n");
    EXPECT_EQ(calls, fs::canonical(app.path()).string() +
                         " | IshidaDriver.exe | -u -r -l -fplu -c Log\\Temp\\SendPlu.txt "
                         "ScaleSetup.txt Log\\Temp\\IshidaDrvLog.log\n");
    std::string log = waitForText(app.path() / "Log/Temp/IshidaDrvLog.log", "finished");
    EXPECT_NE(log.find("PLU file: Log\\Temp\\SendPlu.txt\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Sent 1 PLU lines"), std::string::npos) << log;
    EXPECT_TRUE(frontend.restored());
}

INSTANTIATE_TEST_SUITE_P(Engines, IshidaExport, ::testing::Values(Engine::Sqlite, Engine::Firebird),
                         [](const auto& info) { return engineName(info.param); });

} // namespace
} // namespace pondus::test
