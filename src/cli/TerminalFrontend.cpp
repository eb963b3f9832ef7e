#include "cli/TerminalFrontend.h"

#include <ostream>

namespace pondus::cli {

namespace {

constexpr int BarWidth = 40;

} // namespace

TerminalFrontend::TerminalFrontend(std::ostream& out, std::ostream& err, bool errIsTerminal)
    : m_out(out), m_err(err), m_errIsTerminal(errIsTerminal) {}

void TerminalFrontend::showProgress() {
    m_percent = -1;
    setProgress(0);
}

void TerminalFrontend::setProgress(int percent) {
    if (!m_errIsTerminal || percent == m_percent)
        return;
    m_percent = percent;
    int filled = percent * BarWidth / 100;
    m_err << "\rProgressing [" << std::string(size_t(filled), '#')
          << std::string(size_t(BarWidth - filled), ' ') << "] " << percent << "%" << std::flush;
    m_barShown = true;
}

void TerminalFrontend::closeProgress() {
    clearBar();
}

void TerminalFrontend::clearBar() {
    if (!m_barShown)
        return;
    m_err << "\r\x1b[K" << std::flush;
    m_barShown = false;
    m_percent = -1;
}

void TerminalFrontend::clearLogs() {
    m_memo1.clear();
    m_memo2.clear();
}

void TerminalFrontend::appendLog1(std::string_view line) {
    m_memo1.emplace_back(line);
}

void TerminalFrontend::appendLog2(std::string_view line) {
    m_memo2.emplace_back(line);
}

void TerminalFrontend::showErrorMessage(std::string_view text) {
    clearBar();
    m_err << text << "\n" << std::flush;
}

void TerminalFrontend::showErrorReport(std::string_view text) {
    clearBar();
    m_err << text << "\n" << std::flush;
}

void TerminalFrontend::showMessage(std::string_view text) {
    clearBar();
    m_out << text << "\n" << std::flush;
}

void TerminalFrontend::printLogs(std::ostream& out) const {
    for (const std::string& line : m_memo1)
        out << line << "\n";
    for (const std::string& line : m_memo2)
        out << line << "\n";
}

} // namespace pondus::cli
