#include "WindowFixture.h"
#include "app/ScaleLog.h"
#include "app/ScaleLogViewer.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pondus::test {

namespace {

class LogViewerTest : public WindowTest {
protected:
    // What the viewer showed: its caption and its text.
    std::string caption;
    std::string shown;
    bool readOnly = false;
    bool fixedPitch = false;

    void viewLog(const char* target) {
        set("GENERAL", "DEFAULT_TARGET", target);
        open();
        onDialog = [this](QDialog& dialog) {
            auto* viewer = qobject_cast<ScaleLogViewer*>(&dialog);
            EXPECT_NE(viewer, nullptr);
            if (!viewer)
                return int(QDialog::Rejected);
            caption = viewer->windowTitle().toStdString();
            auto* text = viewer->findChild<QPlainTextEdit*>("ViewerText");
            shown = text->toPlainText().toStdString();
            readOnly = text->isReadOnly();
            QFontMetrics metrics(text->font());
            fixedPitch = metrics.horizontalAdvance('i') == metrics.horizontalAdvance('W');
            return int(QDialog::Accepted);
        };
        click("lblISchida3");
    }
};

} // namespace

TEST_F(LogViewerTest, NeitherFileNamesTheMissingLog) {
    viewLog("ISHIDA BC4000 (DIRECT SEND)");
    EXPECT_EQ(boxes, std::vector<std::string>{"Error: Scale Log Not Found !\r\n[" +
                                              appName("Log\\Temp\\IshidaDrvLog.log") + "]"});
    EXPECT_EQ(shown, "");
}

TEST_F(LogViewerTest, SentDataAloneIsShownWithAnEmptyLineAfterIt) {
    app.write("Log/Temp/SendPlu2.txt", "0001 APPLE\r\n0002 PEAR\r\n");
    viewLog("ISHIDA ASTRA XT (DIRECT SEND)");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(caption, "ISHIDA ASTRA XT (DIRECT SEND)");
    EXPECT_EQ(shown, "0001 APPLE\n0002 PEAR\n");
    EXPECT_TRUE(readOnly);
    EXPECT_TRUE(fixedPitch);
}

TEST_F(LogViewerTest, BothFilesShowSentDataThenTheLog) {
    app.write("Log/Temp/SendPlu2.txt", "0001 APPLE\r\n");
    app.write("Log/Temp/IshidaDrvLog.log", "connected\nsent 1\r\n\x1A garbage after the end");
    viewLog("CAS CL5000J");
    EXPECT_EQ(shown, "0001 APPLE\n\nconnected\nsent 1");
}

TEST_F(LogViewerTest, NamesComeFromTheTargetSection) {
    set("CAS CL5500J", "TARGET_LOG_FILE", "Scale\\CL5500\\Link.log");
    set("CAS CL5500J", "TARGET_FILE_2", "Scale\\CL5500\\List.txt");
    app.write("Scale/CL5500/Link.log", "");
    app.write("Scale/CL5500/List.txt", "");
    viewLog("CAS CL5500J");
    // Just the empty separator line.
    EXPECT_EQ(caption, "CAS CL5500J");
    EXPECT_EQ(shown, "");
}

TEST_F(LogViewerTest, LogWithoutSentDataIsAFileError) {
    app.write("Log/Temp/IshidaDrvLog.log", "connected\r\n");
    viewLog("ISHIDA ASTRA XT (DIRECT SEND)");
    EXPECT_EQ(boxes, std::vector<std::string>{"Pondus: File not found."});
    EXPECT_EQ(caption, "");
}

TEST_F(LogViewerTest, FindSelectsTheNextOccurrence) {
    QFont font("Courier New");
    ScaleLogViewer viewer("CAS CL5000J", "alpha\nbeta\nalpha", font, nullptr);
    auto* text = viewer.findChild<QPlainTextEdit*>("ViewerText");
    viewer.findChild<QLineEdit*>("FindText")->setText("alpha");
    viewer.findChild<QPushButton*>("FindNext")->click();
    EXPECT_EQ(text->textCursor().selectionStart(), 0);
    viewer.findChild<QPushButton*>("FindNext")->click();
    EXPECT_EQ(text->textCursor().selectionStart(), 11);
    EXPECT_TRUE(viewer.findNext()); // round to the top again
    EXPECT_EQ(text->textCursor().selectionStart(), 0);
    viewer.findChild<QLineEdit*>("FindText")->setText("gamma");
    EXPECT_FALSE(viewer.findNext());
}

TEST(ScaleLogLines, EndAtLineFeedOrCrLfAndStopAtByte1A) {
    struct Case {
        const char* bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\ntwo", {"one", "two"}},
        {"one\n\ntwo\n", {"one", "", "two"}},
        {"\r\n", {""}},
        {"one\rtwo\r\n", {"one\rtwo"}},
        {"one\x1A\r\ntwo", {"one"}},
        {"\xC9t\xE9\r\n", {"\xC9t\xE9"}},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        folder.write("Lines.txt", c.bytes);
        EXPECT_EQ(readTextLines((folder.path() / "Lines.txt").string()), c.lines) << c.bytes;
    }
}

} // namespace pondus::test
