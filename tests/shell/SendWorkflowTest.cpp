#include "shell/SendWorkflow.h"

#include "data/DataModule.h"
#include "exports/SendContext.h"
#include "settings/IniFile.h"
#include "support/RecordingFrontend.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pondus;
using namespace pondus::test;

namespace {

struct NoStart : ProgramStarter {
    void start(const std::string&, const std::vector<std::string>&) override {}
};

// Notes which data module is the current one when the export's message shows.
class WatchingFrontend : public RecordingFrontend {
public:
    TdmScale* currentAtMessage = nullptr;
    void showMessage(std::string_view text) override {
        currentAtMessage = dmScale;
        RecordingFrontend::showMessage(text);
    }
};

SendRequest request(const std::string& source, const std::string& target,
                    const std::string& label) {
    SendRequest request;
    request.targetLabel = label;
    request.source = source;
    request.target = target;
    request.sourceFile = "C:\\Pos\\In.txt";
    request.targetFile = "Out.txt";
    return request;
}

constexpr const char* OldSettings = "[GENERAL]\r\nDEFAULT_SOURCE=OLD\r\nDEFAULT_TARGET=OLD\r\n";

} // namespace

TEST(SendWorkflow, RefusalsChangeNothing) {
    struct Case {
        const char* source;
        const char* target;
        const char* label;
        bool aliasKnown;
        SendResult result;
        std::vector<std::string> boxes;
    } cases[] = {
        {"TILLV10", "ISHIDA BC-3000", " \t ", true, SendResult::NothingToDo, {}},
        {"TILLV10",
         "CAS CL5200J",
         "CAS CL5200J",
         false,
         SendResult::Refused,
         {"Error: No Alias : [POSAPP]"}},
        {"TILLV10",
         "ISHIDA BC-3000",
         "ISHIDA BC-3000",
         false,
         SendResult::Refused,
         {"Error: No Alias : [POSAPP]"}},
        {"BRAVUS",
         "ISHIDA BC-3000",
         "x",
         true,
         SendResult::Refused,
         {"Error: Model No Supported !"}},
        {"BRAVUS",
         "BIZERBA BC-815",
         "x",
         true,
         SendResult::Refused,
         {"Error: Model No Supported !"}},
        {"BRAVUS",
         "SCALELINK PRO V3",
         "x",
         true,
         SendResult::Refused,
         {"Error: Model No Supported !"}},
        {"KELP",
         "SCALELINK PRO V31I",
         "x",
         true,
         SendResult::Refused,
         {"Error: Model No Supported !"}},
        {"tillv10",
         "ISHIDA ASTRA XT (DIRECT SEND)",
         "x",
         false,
         SendResult::Refused,
         {"Error: Model No Supported !"}},
    };
    for (const Case& c : cases) {
        TempFolder app;
        if (c.aliasKnown)
            app.write("Alias.ini", "[POSAPP]\r\nDRIVER=SQLITE\r\nDATABASE=none.db\r\n");
        app.write("Scale.ini", OldSettings);
        IniFile settings(app.path() / "Scale.ini");
        Session session{app.str(), settings, ""};
        RecordingFrontend frontend;
        NoStart starter;
        EXPECT_EQ(runSend(request(c.source, c.target, c.label), session, frontend, starter),
                  c.result)
            << c.source << " " << c.target;
        EXPECT_EQ(frontend.boxes, c.boxes);
        EXPECT_TRUE(frontend.sendStates.empty());
        EXPECT_EQ(app.read("Scale.ini"), OldSettings);
        EXPECT_EQ(dmScale, nullptr);
    }
}

TEST(SendWorkflow, FailingStoreEndsTheSendBeforeAnyDataModule) {
    TempFolder app;
    // No alias: a data module would report its connection error in a box of its own.
    std::filesystem::path missing = app.path() / "Gone" / "Scale.ini";
    IniFile settings(missing);
    Session session{app.str(), settings, ""};
    RecordingFrontend frontend;
    NoStart starter;
    EXPECT_EQ(runSend(request("BRAVUS", "CAS CL5000J", "CAS CL5000J"), session, frontend, starter),
              SendResult::Failed);
    EXPECT_EQ(frontend.boxes,
              std::vector<std::string>{"Pondus: Unable to write to " + missing.string() + "."});
    EXPECT_EQ(frontend.sendStates, (std::vector<bool>{false, true}));
}

class SendWorkflowOnDatabase : public ::testing::TestWithParam<Engine> {
protected:
    TempFolder app;
    StoreDatabase db{GetParam(), app.path()};
    IniFile settings{app.path() / "Scale.ini"};
    WatchingFrontend frontend;
    NoStart starter;

    SendWorkflowOnDatabase() {
        db.exec("INSERT INTO Mas_Stock (M_PluLinkID, M_PluCode, M_Barcode, M_Desc, M_Type) "
                "VALUES ('L1', '7', '7', 'SEVEN', 'PP');\n"
                "INSERT INTO Mas_Stock_Price (M_PluLinkID, M_Price, M_Level, M_Qty, M_OfQty, "
                "M_DateActive, M_TimeActive) VALUES ('L1', 2, 'P1', 1, 1, 'F', 'F');\n"
                "INSERT INTO Mas_Stock_Price (M_PluLinkID, M_Price, M_Level, M_Qty, M_OfQty, "
                "M_DateActive, M_TimeActive) VALUES ('L1', 3, 'P2', 1, 1, 'F', 'F');");
        settings.writeString("BIZERBA BC-815", "SOURCE_PLUL", "2");
        settings.writeString("BIZERBA BC-815", "SOURCE_PRICEL", "4");
        settings.writeString("BIZERBA BC-815", "SOURCE_DESCL", "5");
    }

    SendResult send(const std::string& target) {
        SendRequest sendRequest = request("TILLV10", target, target);
        sendRequest.targetFile = (app.path() / "Out.txt").string();
        Session session{app.str(), settings, ""};
        return runSend(sendRequest, session, frontend, starter);
    }
};

TEST_P(SendWorkflowOnDatabase, StoresTheDefaultsAndNarrowsPricesToTheDefaultLevel) {
    struct Case {
        const char* level; // nullptr: DEFAULT_PRICE missing
        const char* line;
    } cases[] = {{"P2", "7,SEVEN,0300,W"}, {"P1", "7,SEVEN,0200,W"}, {nullptr, "7,SEVEN,0000,W"}};
    for (const Case& c : cases) {
        app.write("Scale.ini", "");
        settings.writeString("BIZERBA BC-815", "SOURCE_PLUL", "2");
        settings.writeString("BIZERBA BC-815", "SOURCE_PRICEL", "4");
        settings.writeString("BIZERBA BC-815", "SOURCE_DESCL", "5");
        if (c.level)
            settings.writeString("GENERAL", "DEFAULT_PRICE", c.level);
        ASSERT_EQ(send("BIZERBA BC-815"), SendResult::Completed);
        EXPECT_EQ(app.read("Out.txt"), std::string(c.line) + "\r\n");
        EXPECT_EQ(settings.readString("GENERAL", "DEFAULT_SOURCE", ""), "TILLV10");
        EXPECT_EQ(settings.readString("GENERAL", "DEFAULT_TARGET", ""), "BIZERBA BC-815");
        EXPECT_EQ(settings.readString("TILLV10", "SOURCE_FILE", ""), "C:\\Pos\\In.txt");
        EXPECT_EQ(settings.readString("BIZERBA BC-815", "TARGET_FILE", ""),
                  (app.path() / "Out.txt").string());
    }
}

TEST_P(SendWorkflowOnDatabase, SendDataModuleIsCurrentOnlyDuringTheSend) {
    TdmScale startup("", app.str(), frontend);
    dmScale = &startup;
    ASSERT_EQ(send("BIZERBA BC-815"), SendResult::Completed);
    EXPECT_NE(frontend.currentAtMessage, nullptr);
    EXPECT_NE(frontend.currentAtMessage, &startup);
    EXPECT_EQ(dmScale, nullptr);
    EXPECT_EQ(frontend.sendStates.back(), true);
}

TEST_P(SendWorkflowOnDatabase, TargetInSmallLettersStoresButExportsNothing) {
    ASSERT_EQ(send("bizerba bc-815"), SendResult::Completed);
    EXPECT_TRUE(frontend.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(app.path() / "Out.txt"));
    EXPECT_EQ(settings.readString("GENERAL", "DEFAULT_TARGET", ""), "bizerba bc-815");
    EXPECT_EQ(frontend.sendStates, (std::vector<bool>{false, true}));
    EXPECT_EQ(dmScale, nullptr);
}

TEST_P(SendWorkflowOnDatabase, FailedExportKeepsTheStoredDefaultsAndEnablesSend) {
    settings.writeString("BIZERBA BC-815", "SOURCE_DESCL", "wide");
    ASSERT_EQ(send("BIZERBA BC-815"), SendResult::Failed);
    EXPECT_EQ(frontend.boxes,
              std::vector<std::string>{"Pondus: 'wide' is not a valid integer value."});
    EXPECT_TRUE(frontend.restored());
    EXPECT_EQ(settings.readString("GENERAL", "DEFAULT_TARGET", ""), "BIZERBA BC-815");
    EXPECT_EQ(dmScale, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Engines, SendWorkflowOnDatabase,
                         ::testing::Values(Engine::Sqlite, Engine::Firebird),
                         [](const auto& info) { return engineName(info.param); });
