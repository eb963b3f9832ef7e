#include "WindowFixture.h"
#include "app/Controls.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

namespace pondus::test {

namespace {

class OptionsPageTest : public WindowTest {
protected:
    QComboBox* target() const { return widget<QComboBox>("cbTarget"); }

    void openOptions() {
        click("lblISchida2");
        ASSERT_EQ(currentPage()->windowTitle().toStdString(), "Option");
    }
    // The operator picks a model from the list.
    void choose(const QString& model) const {
        int index = target()->findText(model);
        ASSERT_GE(index, 0) << model.toStdString();
        target()->setCurrentIndex(index);
        emit target()->activated(index);
    }
    void type(const QString& text) const {
        target()->lineEdit()->selectAll();
        QTest::keyClicks(target()->lineEdit(), text);
    }
    void chooseWeightBases(int sku, int scale) const {
        if (sku >= 0)
            widget<ChoiceGroup>("RadioGroup1")->findChildren<QRadioButton*>()[sku]->click();
        if (scale >= 0)
            widget<ChoiceGroup>("RadioGroup2")->findChildren<QRadioButton*>()[scale]->click();
    }
    int position(const char* group) const { return widget<ChoiceGroup>(group)->position(); }
};

} // namespace

TEST_F(OptionsPageTest, TargetListHoldsTheNineModelsInOrder) {
    open();
    QStringList items;
    for (int index = 0; index < target()->count(); ++index)
        items << target()->itemText(index);
    EXPECT_EQ(items, QStringList({"ISHIDA BC-3000", "BIZERBA BC-815", "SCALELINK PRO V3",
                                  "SCALELINK PRO V31I", "ISHIDA ASTRA XT (DIRECT SEND)",
                                  "ISHIDA BC4000 (DIRECT SEND)", "CAS CL5000J", "CAS CL5500J",
                                  "CAS CL5200J"}));
    EXPECT_TRUE(target()->isEditable());
}

TEST_F(OptionsPageTest, ChoosingATargetShowsItsFileAndSetsItsGroup) {
    set("GENERAL", "DEFAULT_TARGET", "CAS CL5200J");
    set("ISHIDA BC4000 (DIRECT SEND)", "TARGET_FILE", "Log\\Temp\\Mine.txt");
    open();
    openOptions();

    choose("ISHIDA BC4000 (DIRECT SEND)");
    EXPECT_EQ(text("edtTarget"), "Log\\Temp\\Mine.txt");
    EXPECT_FALSE(widget<QLineEdit>("edtTarget")->isEnabled());
    EXPECT_FALSE(widget<QToolButton>("SpeedButton2")->isEnabled());
    EXPECT_FALSE(widget<QToolButton>("lblISchida3")->isHidden());
    EXPECT_FALSE(widget<QCheckBox>("CheckBox1")->isHidden());

    // A section without TARGET_FILE empties the field and stores nothing.
    choose("ISHIDA BC-3000");
    EXPECT_EQ(text("edtTarget"), "");
    EXPECT_EQ(stored("ISHIDA BC-3000", "TARGET_FILE"), "<missing>");
    EXPECT_TRUE(widget<QLineEdit>("edtTarget")->isEnabled());
    EXPECT_TRUE(widget<QToolButton>("SpeedButton2")->isEnabled());
    EXPECT_TRUE(widget<QToolButton>("lblISchida3")->isHidden());
    EXPECT_TRUE(widget<QCheckBox>("CheckBox1")->isHidden());
    EXPECT_TRUE(widget<QWidget>("wwDBDateTimePicker1")->isHidden());
}

TEST_F(OptionsPageTest, TypedTargetIsComparedExactlyButNamesItsSectionWithoutCase) {
    set("CAS CL5000J", "TARGET_FILE", "Scale\\Cas\\Typed.txt");
    open();
    openOptions();
    type("CAS CL5000J");
    EXPECT_EQ(text("edtTarget"), "Scale\\Cas\\Typed.txt");
    EXPECT_FALSE(widget<QLineEdit>("edtTarget")->isEnabled());

    type("cas cl5000j");
    EXPECT_EQ(text("cbTarget"), "cas cl5000j");
    EXPECT_EQ(text("edtTarget"), "Scale\\Cas\\Typed.txt");
    EXPECT_TRUE(widget<QLineEdit>("edtTarget")->isEnabled());
}

TEST_F(OptionsPageTest, OkStoresTheOptionsAndTheWeightBaseFactor) {
    struct Case {
        int sku;
        int scale;
        const char* factor;
    } cases[] = {
        {1, 0, "10"},   {0, 2, "1000"}, {2, 3, "1000"},
        {3, 2, "1000"}, {2, 2, "1"},    {0, 3, "1000000"},
    };
    set("GENERAL", "DEFAULT_TARGET", "ISHIDA BC-3000");
    open();
    for (const Case& c : cases) {
        openOptions();
        chooseWeightBases(c.sku, c.scale);
        click("TeButton1");
        EXPECT_EQ(stored("GENERAL", "CALCULATION_PLU"), std::to_string(c.sku));
        EXPECT_EQ(stored("GENERAL", "CALCULATION_SCALE"), std::to_string(c.scale));
        EXPECT_EQ(stored("GENERAL", "CALCULATION_VALUE"), c.factor) << c.sku << " " << c.scale;
    }
}

TEST_F(OptionsPageTest, OkStoresTheOtherFieldsAndTheTarget) {
    set("GENERAL", "DEFAULT_TARGET", "ISHIDA BC-3000");
    open();
    EXPECT_EQ(text("edtFixed1"), "0");
    openOptions();
    choose("CAS CL5200J");
    widget<QComboBox>("wwDBLookupCombo1")->setEditText("P2");
    widget<QCheckBox>("CheckBoxBarPlu")->setChecked(true);
    widget<QLineEdit>("edtFixed2")->setText("7");
    widget<QLineEdit>("edtFixed5")->setText("hidden");
    click("TeButton1");

    EXPECT_EQ(stored("GENERAL", "DEFAULT_PRICE"), "P2");
    EXPECT_EQ(stored("GENERAL", "BARCODE_PLUCODE"), "1");
    EXPECT_EQ(stored("GENERAL", "FixedVal1"), "0");
    EXPECT_EQ(stored("GENERAL", "FixedVal2"), "7");
    EXPECT_EQ(stored("GENERAL", "FixedVal5"), "hidden");
    EXPECT_EQ(stored("GENERAL", "DEFAULT_TARGET"), "CAS CL5200J");
    EXPECT_EQ(text("lblISchida1"), "CAS CL5200J");
    EXPECT_EQ(currentPage()->windowTitle().toStdString(), "Scale");
}

TEST_F(OptionsPageTest, StoreFailureEndsOkAtItsStep) {
    set("GENERAL", "DEFAULT_TARGET", "CAS CL5200J");
    open();
    openOptions();
    choose("ISHIDA BC-3000");
    const std::filesystem::path settings = app.path() / "Scale.ini";
    std::filesystem::permissions(settings, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
    click("TeButton1");
    EXPECT_EQ(boxes,
              std::vector<std::string>{"Pondus: Unable to write to " + settings.string() + "."});
    EXPECT_EQ(currentPage()->windowTitle().toStdString(), "Option");
    EXPECT_EQ(text("lblISchida1"), "CAS CL5200J");
}

TEST_F(OptionsPageTest, StoredPositionsOutsideTheRangeGoToTheNearestEnd) {
    set("GENERAL", "CALCULATION_PLU", "7");
    set("GENERAL", "CALCULATION_SCALE", "-5");
    set("GENERAL", "CALCULATION_VALUE", "25");
    open();
    EXPECT_EQ(position("RadioGroup1"), 3);
    EXPECT_EQ(position("RadioGroup2"), -1);
    for (QRadioButton* button : widget<ChoiceGroup>("RadioGroup2")->findChildren<QRadioButton*>())
        EXPECT_FALSE(button->isChecked());

    openOptions();
    click("TeButton1");
    EXPECT_EQ(stored("GENERAL", "CALCULATION_PLU"), "3");
    EXPECT_EQ(stored("GENERAL", "CALCULATION_SCALE"), "-1");
    EXPECT_EQ(stored("GENERAL", "CALCULATION_VALUE"), "25");
}

TEST_F(OptionsPageTest, CancelRestoresTheLabelButNotTheFileField) {
    set("GENERAL", "DEFAULT_TARGET", "CAS CL5200J");
    set("ISHIDA ASTRA XT (DIRECT SEND)", "TARGET_FILE", "Log\\Temp\\Astra.txt");
    open();
    openOptions();
    choose("ISHIDA ASTRA XT (DIRECT SEND)");
    widget<QLineEdit>("edtFixed1")->setText("5");
    click("TeButton2");

    EXPECT_EQ(text("lblISchida1"), "CAS CL5200J");
    EXPECT_EQ(text("cbTarget"), "CAS CL5200J");
    EXPECT_EQ(text("edtTarget"), "Log\\Temp\\Astra.txt");
    EXPECT_FALSE(widget<QLineEdit>("edtTarget")->isEnabled());
    EXPECT_EQ(text("edtFixed1"), "5");
    EXPECT_EQ(stored("GENERAL", "FixedVal1"), "<missing>");
    EXPECT_EQ(currentPage()->windowTitle().toStdString(), "Scale");
}

TEST_F(OptionsPageTest, BarcodeBoxIsTickedAndDisabledForTheCasJModels) {
    for (const char* model : {"CAS CL5000J", "CAS CL5500J", "CAS CL5200J"}) {
        set("GENERAL", "DEFAULT_TARGET", model);
        open();
        const bool fixed = std::string(model) != "CAS CL5200J";
        auto* box = widget<QCheckBox>("CheckBoxBarPlu");
        EXPECT_EQ(box->isChecked(), fixed) << model;
        EXPECT_EQ(box->isEnabled(), !fixed) << model;
    }
    // The ticked state stays for the run, whatever target is chosen, and OK stores it.
    set("GENERAL", "DEFAULT_TARGET", "CAS CL5000J");
    open();
    openOptions();
    choose("ISHIDA BC-3000");
    click("TeButton1");
    EXPECT_FALSE(widget<QCheckBox>("CheckBoxBarPlu")->isEnabled());
    EXPECT_EQ(stored("GENERAL", "BARCODE_PLUCODE"), "1");
}

TEST_F(OptionsPageTest, PriceLevelListShowsTheLevelsOfTheStoreDatabase) {
    db.exec("INSERT INTO Mas_PriceLevel (M_Code, M_Desc, M_ODesc) VALUES ('P2', 'Staff', NULL);\n"
            "INSERT INTO Mas_PriceLevel (M_Code, M_Desc, M_ODesc) VALUES ('P1', 'Retail', "
            "'Counter');");
    set("GENERAL", "DEFAULT_PRICE", "P2");
    open();
    auto* levels = widget<LookupCombo>("wwDBLookupCombo1");
    EXPECT_EQ(levels->currentText().toStdString(), "P2");

    levels->showPopup();
    ASSERT_EQ(levels->count(), 2);
    auto* model = levels->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString().toStdString(), "Code");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString().toStdString(), "Description");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString().toStdString(), "Other Description");
    EXPECT_EQ(model->index(0, 0).data().toString().trimmed().toStdString(), "P1");
    EXPECT_EQ(model->index(0, 2).data().toString().toStdString(), "Counter");
    EXPECT_EQ(model->index(1, 2).data().toString().toStdString(), "");
    // Opening the list keeps the text; choosing a row puts its code there.
    EXPECT_EQ(levels->currentText().toStdString(), "P2");
    levels->setCurrentIndex(0);
    levels->hidePopup();
    EXPECT_EQ(levels->currentText().trimmed().toStdString(), "P1");
}

TEST_F(OptionsPageTest, OptionWithoutThePosAliasRefuses) {
    open();
    std::filesystem::remove(app.path() / "Alias.ini");
    click("lblISchida2");
    EXPECT_EQ(boxes, std::vector<std::string>{"Error: Alias No Found :  [POSAPP]"});
    EXPECT_EQ(boxIcons[0], QMessageBox::Critical);
    EXPECT_EQ(currentPage()->windowTitle().toStdString(), "Scale");
}

TEST_F(OptionsPageTest, OptionForBravusConvertsTheTextFile) {
    app.write("Bravus.txt", "01123450199\r\n05 skipped\r\n09APPLE RED\r\n");
    for (const char* line : {"SOURCE_STROW=01", "SOURCE_ENDROW=09", "SOURCE_DIGITROW=2",
                             "SOURCE_PLUS=3", "SOURCE_PLUL=5", "SOURCE_PRICES=8", "SOURCE_PRICEL=4",
                             "SOURCE_DESCS=3", "SOURCE_DESCL=10"}) {
        std::string entry = line;
        set("BRAVUS", entry.substr(0, entry.find('=')), entry.substr(entry.find('=') + 1));
    }
    set("BRAVUS", "SOURCE_FILE", "Bravus.txt");
    set("ISHIDA BC-3000", "TARGET_FILE", "Out.txt");
    set("GENERAL", "DEFAULT_SOURCE", "BRAVUS");
    set("GENERAL", "DEFAULT_TARGET", "ISHIDA BC-3000");
    open();
    click("lblISchida2");

    EXPECT_EQ(app.read("Out.txt").substr(0, 12), "12345,,0199,");
    EXPECT_EQ(widget<QPlainTextEdit>("Memo1")->toPlainText().toStdString(),
              "# 1\n01123450199\n09APPLE RED");
    EXPECT_EQ(currentPage()->windowTitle().toStdString(), "Scale");
    EXPECT_TRUE(boxes.empty());
}

} // namespace pondus::test
