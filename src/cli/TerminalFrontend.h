#pragma once

#include "shell/Frontend.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace pondus::cli {

// The window's services on a terminal: boxes become lines ("Data Export
// Completed" on standard output, error boxes on standard error), the log panes
// are kept for --log, and the gauge is a bar on standard error when that is a
// terminal.
class TerminalFrontend : public Frontend {
public:
    TerminalFrontend(std::ostream& out, std::ostream& err, bool errIsTerminal);

    void showProgress() override;
    void setProgress(int percent) override;
    void closeProgress() override;
    void repaint() override {}

    void clearLogs() override;
    void appendLog1(std::string_view line) override;
    void appendLog2(std::string_view line) override;

    void setSendEnabled(bool) override {}
    void setCancelEnabled(bool) override {}

    void showErrorMessage(std::string_view text) override;
    void showErrorReport(std::string_view text) override;
    void showMessage(std::string_view text) override;

    // Memo1's lines, then Memo2's, each ended by a newline.
    void printLogs(std::ostream& out) const;

private:
    void clearBar();

    std::ostream& m_out;
    std::ostream& m_err;
    bool m_errIsTerminal;
    bool m_barShown = false;
    int m_percent = -1;
    std::vector<std::string> m_memo1;
    std::vector<std::string> m_memo2;
};

} // namespace pondus::cli
