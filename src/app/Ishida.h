#pragma once

#include "app/Controls.h"
#include "app/MessageBoxes.h"
#include "shell/DetachedStarter.h"
#include "shell/Startup.h"

#include <QDate>
#include <QFileDialog>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QDateEdit;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTextEdit;
class QToolButton;

namespace pondus {

class IniFile;
class TdmScale;
class WindowFrontend;
struct Session;
struct Theme;

// The main window: the Scale page with the big target label and the actions,
// the Options page, and the Log page with the export log panes. Its set-up
// reads the settings and opens the start-up data module; every action runs on
// the user-interface thread inside the operator's click.
class TfrmPonder : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmPonder(std::string appFolder, ModalRunner runModal = execModal);
    ~TfrmPonder() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QWidget* buildScalePage();
    QWidget* buildOptionPage();
    QWidget* buildLogPage();
    void buildStatusBar();
    void connectActions();
    // The pictures and colours of the look: the window's own or a theme's.
    void paintLook(const Theme& look);
    void applyTheme(int themeIndex);

    // The window set-up, in its order; an error ends it at its step.
    void setUpWindow();
    void takeStartupValues();
    void openSettingsAndData();
    void showOptionValues();
    void showSelections();
    void showFileFields();
    void setSourceRowState(const QString& source);
    void setTargetState(const QString& target, bool withChangedSince);
    void showPage(QWidget* page);

    // Runs an operator action: an error ends it through the general error
    // report, and a close asked for meanwhile waits until it has returned.
    void runAction(const std::function<void()>& action);
    IniFile& settings();
    Session session();

    void send();
    void optionAction();
    void viewLog();
    void acceptOptions();
    void cancelOptions();
    void targetChangedByOperator(const QString& target);
    void pickTargetFile(QFileDialog::AcceptMode mode);
    std::vector<LookupRow> priceLevelRows();
    void releaseDataModules();

    std::string m_appFolder;
    MessageBoxes m_boxes;
    std::unique_ptr<WindowFrontend> m_frontend;
    std::optional<IniFile> m_settings;
    std::unique_ptr<TdmScale> m_startupData;
    DetachedStarter m_starter;
    RegisterValues m_register;
    QDate m_today;
    int m_busy = 0;
    bool m_closeWaiting = false;

    QTabBar* m_tabStrip = nullptr;
    QStackedWidget* m_pages = nullptr;
    QWidget* m_scalePage = nullptr;
    QWidget* m_optionPage = nullptr;
    QWidget* m_logPage = nullptr;
    StatusPanels* m_status = nullptr;

    // Scale page.
    QLabel* m_header = nullptr;
    QFrame* m_targetPanel = nullptr;
    QLineEdit* edtTarget = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    ClickLabel* lblISchida1 = nullptr;
    QToolButton* lblISchida2 = nullptr;
    QToolButton* lblISchida3 = nullptr;
    QToolButton* lblISchida4 = nullptr;
    QComboBox* cbSource = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edtSource = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QDateEdit* wwDBDateTimePicker1 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // Options page.
    QLabel* m_optionHeader = nullptr;
    QComboBox* cbTarget = nullptr;
    LookupCombo* wwDBLookupCombo1 = nullptr;
    ChoiceGroup* RadioGroup1 = nullptr;
    ChoiceGroup* RadioGroup2 = nullptr;
    QDateEdit* wwDBDateTimePicker2 = nullptr;
    QCheckBox* CheckBoxBarPlu = nullptr;
    std::vector<QLineEdit*> m_fixedValues; // edtFixed1 to edtFixed5

    // Log page.
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QTextEdit* wwDBRichEdit1 = nullptr;
};

} // namespace pondus
