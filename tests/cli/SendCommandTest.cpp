#include "cli/Cli.h"
#include "platform/Platform.h"
#include "settings/IniFile.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace pondus;
using namespace pondus::test;

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

// An app folder like the demo's: a TILLV10 database with two items, the
// settings of the four plain file models, the Data\Scale folder. The
// single-instance lock lives in the folder too, so that tests do not meet.
class CliSend : public ::testing::Test {
protected:
    std::string savedTmpdir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    TempFolder app;
    std::unique_ptr<StoreDatabase> db;

    ~CliSend() override {
        if (savedTmpdir.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", savedTmpdir.c_str(), 1);
    }
    CliSend() {
        ::setenv("TMPDIR", app.str().c_str(), 1);
        app.write("Scale.ini",
                  "[GENERAL]\r\n"
                  "DEFAULT_SOURCE=TILLV10\r\n"
                  "DEFAULT_TARGET=BIZERBA BC-815\r\n"
                  "DEFAULT_PRICE=P1\r\n"
                  "[ISHIDA BC-3000]\r\nSOURCE_PLUL=4\r\nSOURCE_PRICEL=4\r\nSOURCE_DESCL=5\r\n"
                  "[BIZERBA BC-815]\r\nSOURCE_PLUL=4\r\nSOURCE_PRICEL=4\r\nSOURCE_DESCL=5\r\n"
                  "[SCALELINK PRO V3]\r\nSOURCE_PLUL=4\r\nSOURCE_PRICEL=4\r\n"
                  "SOURCE_DESCL=5\r\n"
                  "[SCALELINK PRO V31I]\r\nSOURCE_PLUL=4\r\nSOURCE_PRICEL=4\r\n"
                  "SOURCE_DESCL=5\r\nTARGET_WEIGHT=W\r\n");
        std::filesystem::create_directories(app.path() / "Data" / "Scale");
    }
    void withDatabase() {
        db = std::make_unique<StoreDatabase>(Engine::Sqlite, app.path());
        db->exec("INSERT INTO Mas_Stock (M_PluLinkID, M_PluCode, M_Barcode, M_Desc, M_Type) "
                 "VALUES ('L1', '1001', '2101001000', 'BEEF', 'PW');\n"
                 "INSERT INTO Mas_Stock (M_PluLinkID, M_PluCode, M_Barcode, M_Desc, M_Type) "
                 "VALUES ('L2', '1002', '2101002000', 'LAMB', 'PP');\n"
                 "INSERT INTO Mas_Stock_Price (M_PluLinkID, M_Price, M_DiscPrice, M_Level, "
                 "M_Qty, M_OfQty, M_DateActive, M_DateFrom, M_DateTo, M_TimeActive) VALUES "
                 "('L1', 32.9, 29.9, 'P1', 1, 1, 'T', '2026-03-01 00:00:00', "
                 "'2026-03-15 00:00:00', 'F');\n"
                 "INSERT INTO Mas_Stock_Weight (M_PluLinkID, M_Status) VALUES ('L2', '10051');");
    }

    Result cli(std::vector<std::string> args, bool errIsTerminal = false) {
        args.insert(args.begin(), {"--app-dir", app.str()});
        std::ostringstream out, err;
        int code = cli::run(args, out, err, errIsTerminal);
        return {code, out.str(), err.str()};
    }
    std::string file(const std::string& name) const { return app.read("Data/Scale/" + name); }
};

} // namespace

TEST_F(CliSend, WritesTheFourFilesAndRewritesThemOnTheNextRun) {
    withDatabase();
    struct Case {
        const char* target;
        const char* file;
        const char* content;
    } cases[] = {
        {"ISHIDA BC-3000", "ScaleLink_Pro_V2.txt",
         "1001,,3290,3290,,\"BEEF \",\"01001\",\"2101001000\",\"\",\x1b"
         "BEEF \"\r\n"
         "1002,,0000,0000,,\"LAMB \",\"01002\",\"2101002000\",\"\",\x1bLAMB \"\r\n"},
        {"BIZERBA BC-815", "BC815.txt", "1001,BEEF ,3290,W\r\n1002,LAMB ,0000,W\r\n"},
        {"SCALELINK PRO V3", "ScaleLink_Pro_V3.txt",
         "1001,,3290,,\"BEEF \",1001,\"2101001000\",,\x1b"
         "BEEF \"\r\n"
         "1002,,0000,,\"LAMB \",1002,\"2101002000\",,\x1bLAMB \"\r\n"},
        {"SCALELINK PRO V31I", "ScaleLink_Pro_V31I.txt",
         "1001,W0,0,3290,1001,\"2101001000\",\x1b"
         "BEEF \"\r\n"
         "1002,1,5,0000,1002,\"2101002000\",\x1bLAMB \"\r\n"},
    };
    for (int run = 0; run < 2; ++run) {
        for (const Case& c : cases) {
            // 16 March: the promotion of item 1001 has ended.
            Result result = cli({"send", "--target", c.target, "--at", "2026-03-16T08:30"});
            EXPECT_EQ(result.code, 0) << c.target << result.err;
            EXPECT_EQ(result.out, "Data Export Completed\n");
            EXPECT_EQ(result.err, "");
            EXPECT_EQ(file(c.file), c.content) << c.target;
            IniFile settings(app.path() / "Scale.ini");
            EXPECT_EQ(settings.readString(c.target, "TARGET_FILE", ""),
                      app.str() + "\\Data\\Scale\\" + c.file);
            EXPECT_EQ(settings.readString("GENERAL", "DEFAULT_TARGET", ""), c.target);
        }
    }
}

TEST_F(CliSend, ClockAndLogOptions) {
    withDatabase();
    Result result = cli({"send", "--at", "2026-03-15T23:59", "--log"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "Data Export Completed\n"
                          "# 1\n1001 BEEF  2990\n# 2\n1002 LAMB  0000\n"
                          "# 1\n1001,BEEF ,2990,W\n# 2\n1002,LAMB ,0000,W\n");
    EXPECT_EQ(file("BC815.txt"), "1001,BEEF ,2990,W\r\n1002,LAMB ,0000,W\r\n");
}

TEST_F(CliSend, OptionsReplaceTheStartUpValues) {
    withDatabase();
    std::string target = (app.path() / "Elsewhere.txt").string();
    Result result = cli({"send", "--source", "TILLV10", "--target", "BIZERBA BC-815",
                         "--target-file", target, "--source-file", "In.txt", "--changed-since",
                         "01/03/2026", "--at", "2026-03-16T00:00"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(app.read("Elsewhere.txt"), "1001,BEEF ,3290,W\r\n1002,LAMB ,0000,W\r\n");
    IniFile settings(app.path() / "Scale.ini");
    EXPECT_EQ(settings.readString("TILLV10", "SOURCE_FILE", ""), "In.txt");
    EXPECT_EQ(settings.readString("BIZERBA BC-815", "TARGET_FILE", ""), target);
}

TEST_F(CliSend, RefusalsAndErrorsAreWordedAsTheBoxesWordThem) {
    struct Case {
        const char* name;
        bool database;
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {"model refused",
         true,
         {"send", "--source", "BRAVUS", "--target", "ISHIDA BC-3000"},
         "Model No Supported !\n"},
        {"blank target", true, {"send", "--target", " "}, "No target model is selected\n"},
        {"export error",
         true,
         {"send", "--target", "SCALELINK PRO V3", "--target-file", ""},
         "Cannot create file \"\". No file name is given.\n"},
        {"alias missing", false, {"send"}, "No Alias : [POSAPP]\n"},
    };
    for (const Case& c : cases) {
        if (c.database && !db)
            withDatabase();
        if (!c.database)
            std::filesystem::remove(app.path() / "Alias.ini");
        Result result = cli(c.args);
        EXPECT_EQ(result.code, 1) << c.name;
        EXPECT_EQ(result.out, "") << c.name;
        EXPECT_EQ(result.err, c.err) << c.name;
    }
}

TEST_F(CliSend, UsageErrors) {
    std::vector<std::vector<std::string>> cases = {
        {"send", "--bogus"},
        {"send", "--target"},
        {"send", "--changed-since", "2026-03-01"},
        {"send", "--changed-since", "30/02/2026"},
        {"send", "--at", "2026-03-01 10:00"},
        {"send", "--at", "2026-03-01T24:00"},
        {"convert", "--no-launch"},
        {"convert", "--at", "2026-03-01T10:00"},
    };
    for (const auto& args : cases) {
        Result result = cli(args);
        EXPECT_EQ(result.code, 2) << args[1];
        EXPECT_NE(result.err.find("usage: pondus-cli"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(app.path() / "Data" / "Scale" / "BC815.txt"));
}

TEST_F(CliSend, AnotherInstanceHoldingTheLockIsAFailure) {
    withDatabase();
    std::unique_ptr<InstanceLock> lock = InstanceLock::acquire("POS_SCALE_BRIDGE");
    ASSERT_TRUE(lock);
    for (const char* command : {"send", "convert"}) {
        Result result = cli({command});
        EXPECT_EQ(result.code, 1);
        EXPECT_EQ(result.err,
                  "Another instance of Pondus is running (lock POS_SCALE_BRIDGE is held)\n");
    }
    EXPECT_FALSE(std::filesystem::exists(app.path() / "Data" / "Scale" / "BC815.txt"));
    lock.reset();
    EXPECT_EQ(cli({"send"}).code, 0);
}

TEST_F(CliSend, ProgressBarOnlyOnATerminal) {
    withDatabase();
    Result plain = cli({"send"});
    EXPECT_EQ(plain.err, "");
    Result terminal = cli({"send"}, true);
    EXPECT_EQ(terminal.code, 0);
    EXPECT_NE(terminal.err.find("] 50%"), std::string::npos);
    EXPECT_NE(terminal.err.find("] 100%"), std::string::npos);
    EXPECT_EQ(terminal.out, "Data Export Completed\n");
}

TEST_F(CliSend, ConvertRunsTheTextConversion) {
    app.write("Scale.ini", "[GENERAL]\r\nDEFAULT_TARGET=ISHIDA BC-3000\r\n"
                           "[BRAVUS]\r\nSOURCE_STROW=01\r\nSOURCE_ENDROW=09\r\n"
                           "SOURCE_DIGITROW=2\r\nSOURCE_PLUS=3\r\nSOURCE_PLUL=5\r\n"
                           "SOURCE_PRICES=8\r\nSOURCE_PRICEL=4\r\nSOURCE_DESCS=3\r\n"
                           "SOURCE_DESCL=10\r\n"
                           "[ISHIDA BC-3000]\r\nTARGET_FIELD1=A\r\nTARGET_FIELD2=B\r\n"
                           "TARGET_FIELD3=C\r\n");
    app.write("Data/Scale/Scale.txt", "01123450199\r\n05 skipped\r\n09APPLE RED\r\n");
    std::string line = "12345,A,0199,0199,B,\"APPLE RED\",\"012345\",\"00000012345\",\"C\","
                       "\"\x1b"
                       "APPLE RED\"";
    Result result = cli({"convert", "--log"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "# 1\n01123450199\n09APPLE RED\n# 1\n" + line + "\n");
    EXPECT_EQ(file("ScaleLink_Pro_V2.txt"), line + "\r\n");

    std::string target = (app.path() / "Out.txt").string();
    result = cli({"convert", "--source-file", "Missing.txt", "--target-file", target});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "Cannot open file \"Missing.txt\". No such file or directory.\n");
}

TEST_F(CliSend, NoLaunchPrintsTheCommandLineInsteadOfStartingIt) {
    withDatabase();
    Result result = cli({"send", "--target", "ISHIDA ASTRA XT (DIRECT SEND)", "--no-launch"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out,
              app.str() + "\\IshidaDriver.exe -u -r -l -fplu -c " + app.str() +
                  "\\Log\\Temp\\SendPlu.txt ScaleSetup.txt Log\\Temp\\IshidaDrvLog.log\n");
    EXPECT_TRUE(std::filesystem::exists(app.path() / "Log" / "Temp" / "SendPlu.txt"));
}
