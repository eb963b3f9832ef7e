#include "WindowFixture.h"
#include "app/dlg_Progressing.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace pondus::test {

namespace {

class SendTest : public WindowTest {
protected:
    void item(const std::string& link, const std::string& plu, const std::string& price) {
        db.exec("INSERT INTO Mas_Stock (M_PluLinkID, M_PluCode, M_Barcode, M_Desc, M_Type) "
                "VALUES ('" +
                link + "', '" + plu + "', '" + plu + "', 'Item " + plu +
                "', 'PW');\n"
                "INSERT INTO Mas_Stock_Price (M_PluLinkID, M_Price, M_DiscPrice, M_DateActive, "
                "M_TimeActive, M_Level, M_Qty, M_OfQty) VALUES ('" +
                link + "', " + price +
                ", 0, 'F', 'F', 'P1', 1, 1);\n"
                "INSERT INTO Mas_Stock_Weight (M_PluLinkID, M_Status) VALUES ('" +
                link + "', 'W');");
    }
    void sendSettings(const char* source, const char* target) {
        set("GENERAL", "DEFAULT_SOURCE", source);
        set("GENERAL", "DEFAULT_TARGET", target);
        set("GENERAL", "DEFAULT_PRICE", "P1");
    }
};

} // namespace

TEST_F(SendTest, ClickOnTheBigLabelRunsSend) {
    item("L1", "10001", "12.50");
    item("L2", "10002", "3.10");
    sendSettings("TILLV10", "ISHIDA BC-3000");
    open();
    widget<QLineEdit>("edtTarget")->setText("Out.txt");

    bool progressShown = false;
    onBox = [&](QMessageBox&) {
        // "Data Export Completed" comes while the progress dialog is still up.
        auto* progress = window->findChild<TdlgProgressing*>();
        ASSERT_NE(progress, nullptr);
        progressShown = progress->isVisible();
        EXPECT_EQ(progress->windowTitle().toStdString(), "Progressing");
        EXPECT_EQ(progress->findChild<QProgressBar*>("Gauge1")->maximum(), 100);
    };
    click("lblISchida1");

    EXPECT_EQ(boxes, std::vector<std::string>{"Pondus: Data Export Completed"});
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(window->findChild<TdlgProgressing*>(), nullptr);
    const std::string output = app.read("Out.txt");
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 2) << output;
    EXPECT_NE(output.find("10001"), std::string::npos);
    EXPECT_EQ(stored("GENERAL", "DEFAULT_SOURCE"), "TILLV10");
    EXPECT_EQ(stored("GENERAL", "DEFAULT_TARGET"), "ISHIDA BC-3000");
    EXPECT_EQ(stored("ISHIDA BC-3000", "TARGET_FILE"), "Out.txt");
    EXPECT_EQ(stored("TILLV10", "SOURCE_FILE"), appName("Data\\Scale\\Scale.txt"));
    EXPECT_TRUE(widget<QPlainTextEdit>("Memo1")->toPlainText().startsWith("# 1"));
    EXPECT_TRUE(widget<QPushButton>("BitBtn1")->isEnabled());
}

TEST_F(SendTest, CloseAskedForDuringAnExportWaitsUntilItHasReturned) {
    item("L1", "10001", "12.50");
    sendSettings("TILLV10", "ISHIDA BC-3000");
    open();
    widget<QLineEdit>("edtTarget")->setText("Out.txt");
    bool openDuringExport = false;
    onBox = [&](QMessageBox&) {
        window->close();
        openDuringExport = window->isVisible();
    };
    click("lblISchida1");
    EXPECT_TRUE(openDuringExport);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(boxes, std::vector<std::string>{"Pondus: Data Export Completed"});
}

TEST_F(SendTest, RefusedSendsStoreNothing) {
    struct Case {
        const char* source;
        const char* target;
        bool withAlias;
        const char* box;
    } cases[] = {
        {"TILLV10", "CAS CL5200J", false, "Error: No Alias : [POSAPP]"},
        {"BRAVUS", "SCALELINK PRO V3", true, "Error: Model No Supported !"},
    };
    for (const Case& c : cases) {
        sendSettings(c.source, c.target);
        open();
        if (!c.withAlias)
            std::filesystem::rename(app.path() / "Alias.ini", app.path() / "Alias.off");
        set("GENERAL", "DEFAULT_SOURCE", "before");
        boxes.clear();
        click("lblISchida1");
        EXPECT_EQ(boxes, std::vector<std::string>{c.box});
        EXPECT_EQ(stored("GENERAL", "DEFAULT_SOURCE"), "before");
        if (!c.withAlias)
            std::filesystem::rename(app.path() / "Alias.off", app.path() / "Alias.ini");
    }
}

TEST_F(SendTest, BlankTargetLabelDoesNothing) {
    sendSettings("TILLV10", "");
    open();
    click("lblISchida1");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(stored("GENERAL", "DEFAULT_SOURCE"), "TILLV10");
    EXPECT_EQ(stored("TILLV10", "SOURCE_FILE"), appName("Data\\Scale\\Scale.txt"));
}

TEST_F(SendTest, FilePickersFillTheTargetFileField) {
    sendSettings("TILLV10", "CAS CL5200J");
    open();
    auto* field = widget<QLineEdit>("edtTarget");
    const std::string chosen = (app.path() / "Chosen.txt").string();

    struct Case {
        const char* picker;
        QFileDialog::AcceptMode mode;
        bool accept;
    } cases[] = {
        {"opdSource", QFileDialog::AcceptOpen, true},
        {"SaveTarget", QFileDialog::AcceptSave, false},
        {"SaveTarget", QFileDialog::AcceptSave, true},
    };
    for (const Case& c : cases) {
        app.write("Chosen.txt", "");
        field->setText("before");
        onDialog = [&](QDialog& dialog) {
            auto* picker = qobject_cast<QFileDialog*>(&dialog);
            EXPECT_NE(picker, nullptr);
            if (!picker)
                return int(QDialog::Rejected);
            EXPECT_EQ(picker->objectName().toStdString(), c.picker);
            EXPECT_EQ(picker->acceptMode(), c.mode);
            EXPECT_EQ(picker->nameFilters(), QStringList({"Text file (*.txt)", "Any file (*.*)"}));
            picker->selectFile(QString::fromStdString(chosen));
            return int(c.accept ? QDialog::Accepted : QDialog::Rejected);
        };
        if (c.mode == QFileDialog::AcceptOpen)
            QTest::mouseDClick(field, Qt::LeftButton);
        else
            click("SpeedButton2");
        EXPECT_EQ(field->text().toStdString(), c.accept ? chosen : "before") << c.picker;
    }
}

TEST_F(SendTest, DisabledTargetFileFieldOpensNoPicker) {
    sendSettings("TILLV10", "CAS CL5000J");
    open();
    auto* field = widget<QLineEdit>("edtTarget");
    ASSERT_FALSE(field->isEnabled());
    int pickers = 0;
    onDialog = [&](QDialog&) {
        ++pickers;
        return int(QDialog::Rejected);
    };
    QTest::mouseDClick(field, Qt::LeftButton);
    EXPECT_EQ(pickers, 0);
}

TEST_F(SendTest, CloseAndTheHiddenCancelButtonCloseTheWindow) {
    for (const char* name : {"lblISchida4", "BitBtn2"}) {
        open();
        if (std::string(name) == "BitBtn2")
            widget<QPushButton>(name)->click();
        else
            click(name);
        EXPECT_FALSE(window->isVisible()) << name;
    }
}

} // namespace pondus::test
