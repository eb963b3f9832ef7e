#pragma once

#include "shell/Frontend.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <memory>

class QAbstractButton;
class QPlainTextEdit;
class QWidget;

namespace pondus {

class MessageBoxes;
class TdlgProgressing;

// The widgets of the main window that the send workflow, the export routines
// and the text conversion reach.
struct FrontendWidgets {
    QWidget* window;
    QPlainTextEdit* memo1;
    QPlainTextEdit* memo2;
    QAbstractButton* sendButton;   // BitBtn1
    QAbstractButton* cancelButton; // BitBtn2
};

// The window's side of Frontend. Texts from the core are bytes in the shop's
// code page and are decoded here, for display only.
class WindowFrontend : public Frontend {
public:
    WindowFrontend(FrontendWidgets widgets, MessageBoxes& boxes);
    ~WindowFrontend() override;

    void showProgress() override;
    void setProgress(int percent) override;
    void closeProgress() override;
    void repaint() override;

    void clearLogs() override;
    void appendLog1(std::string_view line) override;
    void appendLog2(std::string_view line) override;

    void setSendEnabled(bool enabled) override;
    void setCancelEnabled(bool enabled) override;

    void showErrorMessage(std::string_view text) override;
    void showErrorReport(std::string_view text) override;
    void showMessage(std::string_view text) override;

private:
    // Log lines wait here until the next repaint: appending them one by one to
    // the panes costs more than the export itself.
    void flushLogs();

    FrontendWidgets m_widgets;
    MessageBoxes& m_boxes;
    std::unique_ptr<TdlgProgressing> m_progress;
    QStringList m_pendingLog1;
    QStringList m_pendingLog2;
    QElapsedTimer m_sinceRepaint;
};

// A byte text of the shop's code page, for display: decoded with the system's
// locale, or byte by byte when it is not valid text of that locale.
QString decodeText(std::string_view bytes);
// A typed text, as the bytes the core works with.
std::string encodeText(const QString& text);

} // namespace pondus
