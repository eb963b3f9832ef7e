#pragma once

#include <string>
#include <string_view>

namespace pondus {

// What the window offers to the send workflow, the export routines and the
// text conversion. The window implements it with widgets, pondus-cli with a
// terminal; an export routine never knows which one it talks to.
class Frontend {
public:
    virtual ~Frontend() = default;

    // The progress dialog "Progressing" with its gauge Gauge1 (0 to 100).
    virtual void showProgress() = 0;
    virtual void setProgress(int percent) = 0;
    virtual void closeProgress() = 0;
    // Repaints the main window at once; no input is handled meanwhile.
    virtual void repaint() = 0;

    // The export log panes Memo1 and Memo2.
    virtual void clearLogs() = 0;
    virtual void appendLog1(std::string_view line) = 0;
    virtual void appendLog2(std::string_view line) = 0;

    // The SEND button BitBtn1 and the Cancel button BitBtn2.
    virtual void setSendEnabled(bool enabled) = 0;
    virtual void setCancelEnabled(bool enabled) = 0;

    // The error message box: caption "Error", error icon, OK.
    virtual void showErrorMessage(std::string_view text) = 0;
    // The general error report: caption "Pondus", error icon, OK. The text is
    // already worded by generalErrorText.
    virtual void showErrorReport(std::string_view text) = 0;
    // A modal box with one OK button, such as "Data Export Completed".
    virtual void showMessage(std::string_view text) = 0;
};

// The text the general error report shows for an error's message: a "." is
// added when the last byte is above "." (a letter, a digit, "]").
std::string generalErrorText(std::string_view message);

// Reports an error's message through the general error report.
void reportError(Frontend& frontend, std::string_view message);

} // namespace pondus
