#include "app/Ishida.h"

#include "app/Artwork.h"
#include "app/ScaleLog.h"
#include "app/ScaleLogViewer.h"
#include "app/Themes.h"
#include "app/WeightBase.h"
#include "app/WindowFrontend.h"
#include "base/DateTime.h"
#include "base/Error.h"
#include "base/Text.h"
#include "data/DataModule.h"
#include "platform/Paths.h"
#include "shell/SendWorkflow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace pondus {

namespace {

constexpr int ClientWidth = 486;
constexpr int ClientHeight = 431;
constexpr const char* WindowCaption = "Pondus v10.4.2.3";
constexpr const char* HeaderLine = "Pondus to send your weighing item to scale device.";
constexpr const char* StatusCaption = "Weighed items from the shop to the label scales";
constexpr const char* FileFilter = "Text file (*.txt)|*.txt|Any file (*.*)|*.*";
constexpr const char* DateFormat = "dd/MM/yyyy";

const QStringList WeightBases = {"1 KG", "100 G", "1 G", "1 MG"};

// The target models whose export routine fixes the file name itself.
bool isFixedFileTarget(const QString& target) {
    static const QStringList fixed = {"ISHIDA ASTRA XT (DIRECT SEND)",
                                      "ISHIDA BC4000 (DIRECT SEND)", "CAS CL5000J", "CAS CL5500J"};
    return fixed.contains(target);
}

// The picker's filter "name|mask|name|mask" as the names a file dialog shows;
// each name carries its mask.
QStringList nameFilters(const QString& filter) {
    QStringList parts = filter.split('|');
    QStringList names;
    for (qsizetype index = 0; index < parts.size(); index += 2)
        names << parts[index];
    return names;
}

// A disabled field is drawn in the menu colour, an enabled one in the window colour.
void setFieldColour(QLineEdit* field, bool menuColour) {
    QPalette palette = field->palette();
    const QPalette standard = field->style()->standardPalette();
    const QColor colour =
        menuColour ? standard.color(QPalette::Window) : standard.color(QPalette::Base);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    field->setPalette(palette);
}

DateTime toDateTime(const QDate& date) {
    DateTime value;
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    return value;
}

QString fieldText(const RecordSet& records, std::string_view field) {
    return records.isNull(field) ? QString() : decodeText(records.asText(field));
}

// Courier New, or the fixed-pitch font that stands in for it.
QFont fixedPitchFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QDateEdit* datePicker(const QString& name, QWidget* parent) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(DateFormat);
    picker->setCalendarPopup(true);
    return picker;
}

QToolButton* pictureButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIconSize(QSize(40, 40));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedSize(104, 74);
    return button;
}

QPushButton* hiddenButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->hide();
    return button;
}

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TfrmPonder::TfrmPonder(std::string appFolder, ModalRunner runModal)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_appFolder(std::move(appFolder)), m_boxes(this, std::move(runModal)) {
    setObjectName("frmPonder");
    setWindowTitle(WindowCaption);
    setWindowIcon(applicationIcon());
    setFixedSize(ClientWidth, ClientHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildWindow();
    paintLook(plainLook());
    m_frontend = std::make_unique<WindowFrontend>(
        FrontendWidgets{this, Memo1, Memo2, BitBtn1, BitBtn2}, m_boxes);
    connectActions();
    setUpWindow();
}

TfrmPonder::~TfrmPonder() {
    releaseDataModules();
}

void TfrmPonder::buildWindow() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The tab strip shows only until the set-up has run to its end.
    m_tabStrip = new QTabBar(central);
    m_tabStrip->setObjectName("TabStrip");
    m_pages = new QStackedWidget(central);
    m_pages->setObjectName("PageControl1");
    m_scalePage = buildScalePage();
    m_optionPage = buildOptionPage();
    m_logPage = buildLogPage();
    for (QWidget* page : {m_scalePage, m_optionPage, m_logPage}) {
        m_tabStrip->addTab(page->windowTitle());
        m_pages->addWidget(page);
    }
    connect(m_tabStrip, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_tabStrip->setCurrentIndex(m_pages->indexOf(m_optionPage));

    layout->addWidget(m_tabStrip);
    layout->addWidget(m_pages, 1);
    setCentralWidget(central);
    buildStatusBar();
}

QWidget* TfrmPonder::buildScalePage() {
    auto* page = new QWidget;
    page->setObjectName("ScalePage");
    page->setWindowTitle("Scale");

    m_header = new QLabel(page);
    m_header->setObjectName("HeaderPicture");
    m_header->setFixedSize(ClientWidth, 80);
    m_header->setAccessibleName(HeaderLine);

    auto* Label2 = namedLabel("Label2", "FileName :", page);
    edtTarget = new QLineEdit(page);
    edtTarget->setObjectName("edtTarget");
    edtTarget->setToolTip("Double click here to select FileName");
    edtTarget->installEventFilter(this);
    SpeedButton1 = new QToolButton(page);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("...");
    SpeedButton2 = new QToolButton(page);
    SpeedButton2->setObjectName("SpeedButton2");
    SpeedButton2->setToolTip("Save as");
    Label1 = namedLabel("Label1", "File   :", page);
    edtSource = new QLineEdit(page);
    edtSource->setObjectName("edtSource");

    auto* files = new QGridLayout;
    files->setHorizontalSpacing(6);
    files->setVerticalSpacing(6);
    files->addWidget(Label2, 0, 0);
    files->addWidget(edtTarget, 0, 1);
    files->addWidget(SpeedButton1, 0, 2);
    files->addWidget(SpeedButton2, 0, 3);
    files->addWidget(Label1, 1, 0);
    files->addWidget(edtSource, 1, 1);

    auto* targetPanel = new QFrame(page);
    targetPanel->setObjectName("TargetPanel");
    m_targetPanel = targetPanel;
    lblISchida1 = new ClickLabel(targetPanel);
    lblISchida1->setObjectName("lblISchida1");
    lblISchida1->setAlignment(Qt::AlignCenter);
    lblISchida1->setWordWrap(true);
    lblISchida1->setCursor(Qt::PointingHandCursor);
    lblISchida1->setStyleSheet("color: white; background: transparent;");
    QFont big = lblISchida1->font();
    big.setPixelSize(24);
    big.setBold(true);
    lblISchida1->setFont(big);
    auto* Label12 = namedLabel("Label12", "Send to Scale", targetPanel);
    Label12->setAlignment(Qt::AlignCenter);
    Label12->setStyleSheet("color: rgba(255, 255, 255, 200); background: transparent;");
    auto* panelLayout = new QVBoxLayout(targetPanel);
    panelLayout->setContentsMargins(10, 6, 10, 8);
    panelLayout->addWidget(lblISchida1, 1);
    panelLayout->addWidget(Label12);

    CheckBox1 = new QCheckBox("Changed Since :", page);
    CheckBox1->setObjectName("CheckBox1");
    wwDBDateTimePicker1 = datePicker("wwDBDateTimePicker1", page);
    auto* changedSince = new QHBoxLayout;
    changedSince->addWidget(CheckBox1);
    changedSince->addWidget(wwDBDateTimePicker1);
    changedSince->addStretch(1);

    lblISchida2 = pictureButton("lblISchida2", "Scale Option", page);
    lblISchida3 = pictureButton("lblISchida3", "View Log", page);
    lblISchida4 = pictureButton("lblISchida4", "Close", page);
    lblISchida4->setIcon(closeIcon());
    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    for (QToolButton* button : {lblISchida2, lblISchida3, lblISchida4})
        actions->addWidget(button);
    actions->addStretch(1);

    cbSource = new QComboBox(page);
    cbSource->setObjectName("cbSource");
    cbSource->setEditable(true);
    cbSource->addItem("TILLV10");
    cbSource->hide();
    BitBtn7 = hiddenButton("BitBtn7", "O&ption", page);
    BitBtn6 = hiddenButton("BitBtn6", "&View Log", page);
    BitBtn1 = hiddenButton("BitBtn1", "&SEND", page);
    BitBtn2 = hiddenButton("BitBtn2", "&Cancel", page);
    for (QPushButton* button : {BitBtn7, BitBtn6, BitBtn1})
        button->setEnabled(false);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(14, 10, 14, 4);
    content->setSpacing(8);
    content->addLayout(files);
    content->addWidget(targetPanel, 1);
    content->addLayout(changedSince);
    content->addLayout(actions);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addLayout(content, 1);
    return page;
}

QWidget* TfrmPonder::buildOptionPage() {
    auto* page = new QWidget;
    page->setObjectName("OptionPage");
    page->setWindowTitle("Option");

    m_optionHeader = new QLabel(page);
    m_optionHeader->setObjectName("OptionHeader");
    m_optionHeader->setFixedSize(ClientWidth, 50);
    auto* Label10 = namedLabel("Label10", "Option", m_optionHeader);
    Label10->setGeometry(18, 0, 300, 50);
    Label10->setStyleSheet("color: white; background: transparent;");
    QFont title = Label10->font();
    title.setPixelSize(22);
    title.setBold(true);
    Label10->setFont(title);

    cbTarget = new QComboBox(page);
    cbTarget->setObjectName("cbTarget");
    cbTarget->setEditable(true);
    cbTarget->setInsertPolicy(QComboBox::NoInsert);
    cbTarget->setCompleter(nullptr);
    for (std::string_view model : targetModelNames())
        cbTarget->addItem(QString::fromLatin1(model.data(), qsizetype(model.size())));
    wwDBLookupCombo1 =
        new LookupCombo({"Code", "Description", "Other Description"}, {10, 30, 30}, page);
    wwDBLookupCombo1->setObjectName("wwDBLookupCombo1");
    wwDBLookupCombo1->setRowSource([this] { return priceLevelRows(); });
    wwDBDateTimePicker2 = datePicker("wwDBDateTimePicker2", page);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(6);
    form->addWidget(new QLabel("Scale Model :", page), 0, 0);
    form->addWidget(cbTarget, 0, 1, 1, 3);
    form->addWidget(new QLabel("Price Level :", page), 1, 0);
    form->addWidget(wwDBLookupCombo1, 1, 1);
    form->addWidget(new QLabel("Changed Since", page), 1, 2, Qt::AlignRight);
    form->addWidget(wwDBDateTimePicker2, 1, 3);
    form->setColumnStretch(1, 1);

    RadioGroup1 = new ChoiceGroup("Sku Weight Base", WeightBases, page);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup2 = new ChoiceGroup("Scale Weight Base", WeightBases, page);
    RadioGroup2->setObjectName("RadioGroup2");
    auto* weightBases = new QHBoxLayout;
    weightBases->setSpacing(10);
    weightBases->addWidget(RadioGroup1);
    weightBases->addWidget(RadioGroup2);

    CheckBoxBarPlu = new QCheckBox("Barcode = Sku Code", page);
    CheckBoxBarPlu->setObjectName("CheckBoxBarPlu");

    auto* forCas = new QGroupBox("For CAS", page);
    forCas->setObjectName("GroupForCas");
    auto* fixedLayout = new QGridLayout(forCas);
    fixedLayout->setContentsMargins(10, 4, 10, 6);
    const std::array<const char*, 5> fixedCaptions = {"CL5200", "CL5200", "CJ5200/5500", "CJ5200",
                                                      "CJ5200"};
    for (int index = 0; index < 5; ++index) {
        auto* caption =
            namedLabel(QString("lblFixed%1").arg(index + 1), fixedCaptions[index], forCas);
        auto* field = new QLineEdit(forCas);
        field->setObjectName(QString("edtFixed%1").arg(index + 1));
        field->setFixedWidth(70);
        m_fixedValues.push_back(field);
        if (index < 2) {
            fixedLayout->addWidget(caption, 0, index * 2);
            fixedLayout->addWidget(field, 0, index * 2 + 1);
        } else {
            caption->hide();
            field->hide();
        }
    }
    fixedLayout->setColumnStretch(4, 1);

    auto* extras = new QHBoxLayout;
    extras->addWidget(CheckBoxBarPlu, 0, Qt::AlignTop);
    extras->addSpacing(12);
    extras->addWidget(forCas, 1);

    auto* TeButton1 = new QPushButton("&OK", page);
    TeButton1->setObjectName("TeButton1");
    auto* TeButton2 = new QPushButton("&Cancel", page);
    TeButton2->setObjectName("TeButton2");
    connect(TeButton1, &QPushButton::clicked, this, &TfrmPonder::acceptOptions);
    connect(TeButton2, &QPushButton::clicked, this, &TfrmPonder::cancelOptions);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(TeButton1);
    buttons->addWidget(TeButton2);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(14, 10, 14, 10);
    content->setSpacing(8);
    content->addLayout(form);
    content->addLayout(weightBases);
    content->addLayout(extras);
    content->addStretch(1);
    content->addLayout(buttons);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_optionHeader);
    layout->addLayout(content, 1);
    return page;
}

QWidget* TfrmPonder::buildLogPage() {
    auto* page = new QWidget;
    page->setObjectName("LogPage");
    page->setWindowTitle("Log");

    auto pane = [page](const QString& name, const QColor& colour) {
        auto* memo = new QPlainTextEdit(page);
        memo->setObjectName(name);
        memo->setReadOnly(true);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::Text, Qt::black);
        memo->setPalette(palette);
        return memo;
    };
    Memo1 = pane("Memo1", QColor(0xff, 0xff, 0xc0));
    Memo2 = pane("Memo2", QColor(0xff, 0xff, 0xe1));

    wwDBRichEdit1 = new QTextEdit(page);
    wwDBRichEdit1->setObjectName("wwDBRichEdit1");
    wwDBRichEdit1->setReadOnly(true);
    wwDBRichEdit1->setFont(fixedPitchFont());
    wwDBRichEdit1->hide();

    auto* cxButton2 = new QPushButton("&Cancel", page);
    cxButton2->setObjectName("cxButton2");
    connect(cxButton2, &QPushButton::clicked, this, [this] { showPage(m_scalePage); });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Memo2, 1);
    layout->addWidget(cxButton2, 0, Qt::AlignRight);
    return page;
}

void TfrmPonder::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    m_status = new StatusPanels({345, 50, 75, 75, 50}, bar);
    m_status->setObjectName("StatusPanels");
    m_status->setMinimumWidth(0);
    m_status->setPanelText(0, StatusCaption);
    bar->addWidget(m_status, 1);
    setStatusBar(bar);
}

void TfrmPonder::connectActions() {
    connect(lblISchida1, &ClickLabel::clicked, this, &TfrmPonder::send);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmPonder::send);
    connect(lblISchida2, &QToolButton::clicked, this, &TfrmPonder::optionAction);
    connect(BitBtn7, &QPushButton::clicked, this, &TfrmPonder::optionAction);
    connect(lblISchida3, &QToolButton::clicked, this, &TfrmPonder::viewLog);
    connect(BitBtn6, &QPushButton::clicked, this, &TfrmPonder::viewLog);
    connect(lblISchida4, &QToolButton::clicked, this, &QWidget::close);
    connect(BitBtn2, &QPushButton::clicked, this, &QWidget::close);
    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { pickTargetFile(QFileDialog::AcceptOpen); });
    connect(SpeedButton2, &QToolButton::clicked, this,
            [this] { pickTargetFile(QFileDialog::AcceptSave); });
    // Only the operator's changes: choosing from the list or typing.
    connect(cbTarget, &QComboBox::activated, this,
            [this](int index) { targetChangedByOperator(cbTarget->itemText(index)); });
    connect(cbTarget->lineEdit(), &QLineEdit::textEdited, this,
            &TfrmPonder::targetChangedByOperator);
}

void TfrmPonder::paintLook(const Theme& look) {
    m_header->setPixmap(scaleHeaderPicture(m_header->size(), HeaderLine, look));
    m_optionHeader->setPixmap(optionHeaderPicture(m_optionHeader->size(), look));
    m_targetPanel->setStyleSheet(
        QString("QFrame#TargetPanel { border-radius: 8px; border: 1px solid %1;"
                " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 %1); }")
            .arg(look.dark.name(), look.light.name()));
    lblISchida2->setIcon(optionIcon(look));
    lblISchida3->setIcon(logIcon(look));
    SpeedButton2->setIcon(saveIcon(look));
}

void TfrmPonder::applyTheme(int themeIndex) {
    if (const Theme* theme = themeAt(themeIndex)) {
        setStyleSheet(themeStyleSheet(*theme));
        paintLook(*theme);
    }
}

void TfrmPonder::setUpWindow() {
    try {
        takeStartupValues();
        openSettingsAndData();
        showOptionValues();
        showSelections();
        showFileFields();
        showPage(m_scalePage);
        m_status->setPanelText(1, decodeText(m_register.storeCode));
        m_status->setPanelText(2, m_today.toString(DateFormat));
    } catch (const std::exception& error) {
        reportError(*m_frontend, error.what());
    }
}

void TfrmPonder::takeStartupValues() {
    // Dates are shown and passed on with explicit formats; no process-wide
    // format is needed.
    m_today = QDate::currentDate();
    m_register = readRegisterValues(m_appFolder);
    applyTheme(m_register.themeIndex);
    wwDBDateTimePicker1->setDate(m_today);
    for (QPushButton* button : {BitBtn7, BitBtn6, BitBtn1})
        button->setEnabled(true);
}

void TfrmPonder::openSettingsAndData() {
    m_settings.emplace(openSettingsFile(m_appFolder));
    m_settings->flush();
    // Opened before the source system is read: for the empty source system.
    m_startupData = std::make_unique<TdmScale>("", m_appFolder, *m_frontend);
    dmScale = m_startupData.get();
}

void TfrmPonder::showOptionValues() {
    const std::string priceLevel = m_settings->readString("GENERAL", "DEFAULT_PRICE", "");
    wwDBLookupCombo1->setEditText(decodeText(priceLevel));
    applyStartupPriceLevel(*m_startupData, priceLevel);

    RadioGroup1->setPosition(
        clampWeightBase(m_settings->readWholeNumberText("GENERAL", "CALCULATION_PLU", "0")));
    RadioGroup2->setPosition(
        clampWeightBase(m_settings->readWholeNumberText("GENERAL", "CALCULATION_SCALE", "1")));
    CheckBoxBarPlu->setChecked(m_settings->readBool("GENERAL", "BARCODE_PLUCODE", false));
    for (size_t index = 0; index < m_fixedValues.size(); ++index)
        m_fixedValues[index]->setText(decodeText(
            m_settings->readString("GENERAL", "FixedVal" + std::to_string(index + 1), "0")));
}

void TfrmPonder::showSelections() {
    const std::string source = m_settings->readString("GENERAL", "DEFAULT_SOURCE", "");
    const std::string target = m_settings->readString("GENERAL", "DEFAULT_TARGET", "");
    cbSource->setEditText(decodeText(source));
    cbTarget->setEditText(decodeText(target));
    lblISchida1->setText(decodeText(target));

    if (target == "CAS CL5000J" || target == "CAS CL5500J") {
        CheckBoxBarPlu->setChecked(true);
        CheckBoxBarPlu->setEnabled(false);
    }
    wwDBDateTimePicker2->setDate(m_today);

    const std::string fileLog = m_settings->readString("GENERAL", "FILE_LOG", "N");
    const bool showLogs = startsWith(fileLog, "Y") || startsWith(fileLog, "y");
    Memo1->setVisible(showLogs);
    Memo2->setVisible(showLogs);
}

void TfrmPonder::showFileFields() {
    // The bytes as stored, not the shown texts: those need not encode back alike.
    const std::string source = m_settings->readString("GENERAL", "DEFAULT_SOURCE", "");
    const std::string target = m_settings->readString("GENERAL", "DEFAULT_TARGET", "");
    setSourceRowState(cbSource->currentText());
    edtSource->setText(decodeText(startupSourceFile(*m_settings, source, m_appFolder)));
    edtTarget->setText(decodeText(startupTargetFile(*m_settings, target, m_appFolder)));
    setTargetState(cbTarget->currentText(), false);
}

void TfrmPonder::setSourceRowState(const QString& source) {
    if (source != "TILLV10")
        return;
    Label1->hide();
    edtSource->hide();
    edtSource->setEnabled(false);
    setFieldColour(edtSource, true);
    SpeedButton1->hide();
    SpeedButton1->setEnabled(false);
}

void TfrmPonder::setTargetState(const QString& target, bool withChangedSince) {
    const bool fixedFile = isFixedFileTarget(target);
    edtTarget->setEnabled(!fixedFile);
    setFieldColour(edtTarget, fixedFile);
    SpeedButton2->setEnabled(!fixedFile);
    lblISchida3->setVisible(fixedFile);
    if (withChangedSince) {
        CheckBox1->setVisible(fixedFile);
        wwDBDateTimePicker1->setVisible(fixedFile);
    }
}

void TfrmPonder::showPage(QWidget* page) {
    m_tabStrip->hide();
    m_tabStrip->setCurrentIndex(m_pages->indexOf(page));
    m_pages->setCurrentWidget(page);
}

void TfrmPonder::runAction(const std::function<void()>& action) {
    ++m_busy;
    try {
        action();
    } catch (const std::exception& error) {
        reportError(*m_frontend, error.what());
    }
    --m_busy;
    if (m_busy == 0 && m_closeWaiting) {
        m_closeWaiting = false;
        close();
    }
}

IniFile& TfrmPonder::settings() {
    if (!m_settings)
        throw Error("The settings file is not open");
    return *m_settings;
}

Session TfrmPonder::session() {
    return Session{m_appFolder, settings(), m_register.flagCode};
}

void TfrmPonder::send() {
    runAction([this] {
        SendRequest request;
        request.targetLabel = encodeText(lblISchida1->text());
        request.source = encodeText(cbSource->currentText());
        request.target = encodeText(cbTarget->currentText());
        request.sourceFile = encodeText(edtSource->text());
        request.targetFile = encodeText(edtTarget->text());
        request.changedSince = CheckBox1->isChecked();
        request.changedSinceDate = toDateTime(wwDBDateTimePicker1->date());
        request.clock = currentDateTime();
        Session current = session();
        runSend(request, current, *m_frontend, m_starter);
    });
}

void TfrmPonder::optionAction() {
    runAction([this] {
        if (cbSource->currentText() == "BRAVUS") {
            ConvertRequest request{encodeText(cbSource->currentText()),
                                   encodeText(cbTarget->currentText()),
                                   encodeText(edtSource->text()), encodeText(edtTarget->text())};
            Session current = session();
            runTextConversion(request, current, *m_frontend);
            return;
        }
        if (aliasKnown(m_appFolder, "POSAPP"))
            showPage(m_optionPage);
        else
            m_boxes.error("Alias No Found :  [POSAPP]");
    });
}

void TfrmPonder::viewLog() {
    runAction([this] {
        const QString target = cbTarget->currentText();
        const ScaleLogNames names = scaleLogNames(settings(), encodeText(target), m_appFolder);
        wwDBRichEdit1->clear();
        std::optional<std::vector<std::string>> lines = collectScaleLog(names);
        if (!lines) {
            m_boxes.error(decodeText(scaleLogNotFoundText(names)));
            return;
        }
        QStringList text;
        for (const std::string& line : *lines)
            text << decodeText(line);
        wwDBRichEdit1->setPlainText(text.join('\n'));

        ScaleLogViewer viewer(target, wwDBRichEdit1->toPlainText(), wwDBRichEdit1->font(), this);
        m_boxes.run(viewer);
    });
}

void TfrmPonder::acceptOptions() {
    runAction([this] {
        IniFile& store = settings();
        store.writeString("GENERAL", "DEFAULT_PRICE", encodeText(wwDBLookupCombo1->currentText()));
        const int sku = RadioGroup1->position();
        const int scale = RadioGroup2->position();
        store.writeString("GENERAL", "CALCULATION_PLU", std::to_string(sku));
        store.writeString("GENERAL", "CALCULATION_SCALE", std::to_string(scale));
        store.writeBool("GENERAL", "BARCODE_PLUCODE", CheckBoxBarPlu->isChecked());
        if (sku != NoWeightBase && scale != NoWeightBase)
            store.writeString("GENERAL", "CALCULATION_VALUE", weightBaseFactor(sku, scale));
        for (size_t index = 0; index < m_fixedValues.size(); ++index)
            store.writeString("GENERAL", "FixedVal" + std::to_string(index + 1),
                              encodeText(m_fixedValues[index]->text()));
        showPage(m_scalePage);
        store.writeString("GENERAL", "DEFAULT_TARGET", encodeText(cbTarget->currentText()));
        lblISchida1->setText(cbTarget->currentText());
    });
}

void TfrmPonder::cancelOptions() {
    runAction([this] {
        const QString target = decodeText(settings().readString("GENERAL", "DEFAULT_TARGET", ""));
        cbTarget->setEditText(target);
        lblISchida1->setText(target);
        showPage(m_scalePage);
    });
}

void TfrmPonder::targetChangedByOperator(const QString& target) {
    runAction([this, target] {
        setTargetState(target, true);
        if (!target.isEmpty())
            edtTarget->setText(
                decodeText(settings().readString(encodeText(target), "TARGET_FILE", "")));
    });
}

void TfrmPonder::pickTargetFile(QFileDialog::AcceptMode mode) {
    const bool open = mode == QFileDialog::AcceptOpen;
    QFileDialog picker(this);
    picker.setObjectName(open ? "opdSource" : "SaveTarget");
    picker.setAcceptMode(mode);
    picker.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    picker.setNameFilters(nameFilters(FileFilter));
    const QString current =
        QString::fromStdString(resolveName(encodeText(edtTarget->text())).parent_path().string());
    picker.setDirectory(QDir(current).exists() ? current : QString::fromStdString(m_appFolder));
    if (m_boxes.run(picker) == QDialog::Accepted && !picker.selectedFiles().isEmpty())
        edtTarget->setText(QDir::toNativeSeparators(picker.selectedFiles().first()));
}

std::vector<LookupRow> TfrmPonder::priceLevelRows() {
    std::vector<LookupRow> rows;
    if (!m_startupData || !m_startupData->tblPriceLevel().isOpen())
        return rows;
    runAction([this, &rows] {
        RecordSet& levels = m_startupData->tblPriceLevel();
        for (levels.first(); !levels.eof(); levels.next())
            rows.push_back({fieldText(levels, "M_CODE"), fieldText(levels, "M_DESC"),
                            fieldText(levels, "M_ODESC")});
    });
    return rows;
}

void TfrmPonder::releaseDataModules() {
    if (dmScale == m_startupData.get())
        dmScale = nullptr;
    m_startupData.reset();
}

void TfrmPonder::closeEvent(QCloseEvent* event) {
    // A close asked for while an action runs is carried out once it returns.
    if (m_busy > 0) {
        m_closeWaiting = true;
        event->ignore();
        return;
    }
    releaseDataModules();
    m_settings.reset();
    event->accept();
}

bool TfrmPonder::eventFilter(QObject* watched, QEvent* event) {
    // A disabled field receives no input, but its filter still sees the clicks.
    if (watched == edtTarget && event->type() == QEvent::MouseButtonDblClick &&
        edtTarget->isEnabled()) {
        pickTargetFile(QFileDialog::AcceptOpen);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pondus
