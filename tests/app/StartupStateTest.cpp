#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/Themes.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

namespace pondus::test {

namespace {

struct TargetCase {
    const char* name;
    const char* target;
    bool fileFieldEnabled;
    const char* shownFile; // relative to the app folder; nullptr: the app folder itself
    bool viewLogShown;
};

void PrintTo(const TargetCase& c, std::ostream* out) {
    *out << c.name;
}

class StartupTargetTest : public WindowTest, public ::testing::WithParamInterface<TargetCase> {};

} // namespace

TEST_P(StartupTargetTest, SetsTheTargetDependentControls) {
    const TargetCase& c = GetParam();
    set("GENERAL", "DEFAULT_SOURCE", "TILLV10");
    set("GENERAL", "DEFAULT_TARGET", c.target);
    open();

    EXPECT_EQ(text("lblISchida1"), c.target);
    EXPECT_EQ(text("cbTarget"), c.target);
    const std::string file = c.shownFile ? appName(c.shownFile) : app.str();
    EXPECT_EQ(text("edtTarget"), file);
    if (c.shownFile) {
        EXPECT_EQ(stored(c.target, "TARGET_FILE"), file);
    }
    EXPECT_EQ(widget<QLineEdit>("edtTarget")->isEnabled(), c.fileFieldEnabled);
    EXPECT_EQ(widget<QToolButton>("SpeedButton2")->isEnabled(), c.fileFieldEnabled);
    EXPECT_EQ(widget<QToolButton>("lblISchida3")->isVisible(), c.viewLogShown);
    // Only a later change of the target hides the Changed Since row.
    EXPECT_TRUE(widget<QCheckBox>("CheckBox1")->isVisible());
    EXPECT_TRUE(widget<QDateEdit>("wwDBDateTimePicker1")->isVisible());
    EXPECT_FALSE(widget<QCheckBox>("CheckBox1")->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Targets, StartupTargetTest,
                         ::testing::Values(TargetCase{"CasCl5200J", "CAS CL5200J", true,
                                                      "Data\\Scale\\Scale.txt", false},
                                           TargetCase{"AstraXt", "ISHIDA ASTRA XT (DIRECT SEND)",
                                                      false, "Log\\Temp\\SendPlu.txt", true},
                                           TargetCase{"Empty", "", true, nullptr, false}),
                         [](const ::testing::TestParamInfo<TargetCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(WindowTest, WithoutSettingsFileTheFirstOkCreatesIt) {
    const std::filesystem::path settings = app.path() / "Scale.ini";
    open();
    EXPECT_EQ(text("cbSource"), "");
    EXPECT_EQ(text("lblISchida1"), "");
    EXPECT_EQ(text("edtTarget"), app.str());
    EXPECT_FALSE(std::filesystem::exists(settings));

    click("lblISchida2");
    click("TeButton1");
    EXPECT_TRUE(std::filesystem::exists(settings));
}

TEST_F(WindowTest, StartupKeepsAStoredTargetFile) {
    set("GENERAL", "DEFAULT_TARGET", "CAS CL5000J");
    set("CAS CL5000J", "TARGET_FILE", "Scale\\Cas\\Mine.txt");
    open();
    EXPECT_EQ(text("edtTarget"), "Scale\\Cas\\Mine.txt");
    EXPECT_FALSE(widget<QLineEdit>("edtTarget")->isEnabled());
}

TEST_F(WindowTest, TillV10HidesTheSourceFileRow) {
    set("GENERAL", "DEFAULT_SOURCE", "TILLV10");
    open();
    for (const char* name : {"Label1", "edtSource", "SpeedButton1"})
        EXPECT_FALSE(widget<QWidget>(name)->isVisible()) << name;
    EXPECT_FALSE(widget<QLineEdit>("edtSource")->isEnabled());
    EXPECT_FALSE(widget<QToolButton>("SpeedButton1")->isEnabled());
    EXPECT_EQ(text("cbSource"), "TILLV10");
    EXPECT_EQ(text("edtSource"), appName("Data\\Scale\\Scale.txt"));
    EXPECT_EQ(stored("TILLV10", "SOURCE_FILE"), appName("Data\\Scale\\Scale.txt"));
}

TEST_F(WindowTest, BravusShowsTheSourceFileRow) {
    set("GENERAL", "DEFAULT_SOURCE", "BRAVUS");
    set("BRAVUS", "SOURCE_FILE", "Data\\Bravus\\Items.txt");
    open();
    for (const char* name : {"Label1", "edtSource", "SpeedButton1"}) {
        EXPECT_TRUE(widget<QWidget>(name)->isVisible()) << name;
        EXPECT_TRUE(widget<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_EQ(text("cbSource"), "BRAVUS");
    EXPECT_EQ(text("edtSource"), "Data\\Bravus\\Items.txt");
}

TEST_F(WindowTest, StartupShowsTheScalePageWithStoreCodeAndDate) {
    app.write("Register.ini", "[STORE]\r\nDEFAULT_STORE=S07\r\n");
    open();
    EXPECT_EQ(window->windowTitle().toStdString(), "Pondus v10.4.2.3");
    EXPECT_EQ(window->size(), QSize(486, 431));
    EXPECT_EQ(currentPage()->windowTitle().toStdString(), "Scale");
    EXPECT_FALSE(widget<QTabBar>("TabStrip")->isVisible());
    auto* status = widget<StatusPanels>("StatusPanels");
    EXPECT_EQ(status->panelText(1).toStdString(), "S07");
    EXPECT_EQ(status->panelText(2), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_EQ(widget<QDateEdit>("wwDBDateTimePicker1")->date(), QDate::currentDate());
    EXPECT_EQ(widget<QDateEdit>("wwDBDateTimePicker1")->displayFormat().toStdString(),
              "dd/MM/yyyy");
    EXPECT_EQ(widget<QLineEdit>("edtTarget")->toolTip().toStdString(),
              "Double click here to select FileName");
    for (const char* name : {"lblISchida1", "lblISchida2", "lblISchida3", "lblISchida4"})
        EXPECT_EQ(widget<QWidget>(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn6", "BitBtn7"}) {
        EXPECT_FALSE(widget<QPushButton>(name)->isVisible()) << name;
        EXPECT_TRUE(widget<QPushButton>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(WindowTest, FileLogBeginningWithYShowsTheExportLogPanes) {
    for (const char* value : {"yes", "N", ""}) {
        set("GENERAL", "FILE_LOG", value);
        open();
        const bool shown = std::string(value) == "yes";
        EXPECT_EQ(!widget<QPlainTextEdit>("Memo1")->isHidden(), shown) << value;
        EXPECT_EQ(!widget<QPlainTextEdit>("Memo2")->isHidden(), shown) << value;
    }
}

TEST_F(WindowTest, ThemeSkinSelectsAThemeByPosition) {
    struct Case {
        const char* setup;
        const Theme* theme;
    } cases[] = {
        {"[File]\r\nTheme_Skin=2\r\n", &themeList()[1]},
        {"[File]\r\nTheme_Skin=0\r\n", nullptr},
        {"[File]\r\nTheme_Skin=-3\r\n", nullptr},
        {"[File]\r\nTheme_Skin=99\r\n", nullptr},
    };
    for (const Case& c : cases) {
        app.write("Setup.ini", c.setup);
        open();
        EXPECT_EQ(window->styleSheet(), c.theme ? themeStyleSheet(*c.theme) : QString()) << c.setup;
    }
}

TEST_F(WindowTest, BadWeightBaseEndsTheSetUpAtItsStep) {
    set("GENERAL", "DEFAULT_TARGET", "CAS CL5000J");
    set("GENERAL", "CALCULATION_PLU", "x");
    open();
    ASSERT_EQ(boxes, std::vector<std::string>{"Pondus: 'x' is not a valid integer value."});
    EXPECT_EQ(boxIcons[0], QMessageBox::Critical);
    EXPECT_EQ(boxButtons[0], QMessageBox::Ok);
    // The steps after it did not run: the Options page is still in front.
    EXPECT_EQ(currentPage()->windowTitle().toStdString(), "Option");
    EXPECT_TRUE(widget<QTabBar>("TabStrip")->isVisible());
    EXPECT_EQ(text("lblISchida1"), "");
    EXPECT_EQ(stored("CAS CL5000J", "TARGET_FILE"), "<missing>");
}

TEST_F(WindowTest, MissingPosAliasGivesTwoErrorsAndTheWindowStillOpens) {
    std::filesystem::remove(app.path() / "Alias.ini");
    set("GENERAL", "DEFAULT_TARGET", "CAS CL5000J");
    open();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].rfind("Pondus: ", 0), 0u) << boxes[0];
    EXPECT_EQ(boxes[1], "Pondus: Cannot perform this operation on a closed dataset.");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(currentPage()->windowTitle().toStdString(), "Option");
    // The closed price-level list opens empty.
    auto* priceLevel = widget<LookupCombo>("wwDBLookupCombo1");
    priceLevel->showPopup();
    EXPECT_EQ(priceLevel->count(), 0);
    priceLevel->hidePopup();
}

} // namespace pondus::test
