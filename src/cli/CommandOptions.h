#pragma once

#include "base/DateTime.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pondus::cli {

struct Context;
class TerminalFrontend;

// The options of send and convert; each replaces what the window would hold
// after start-up.
struct CommandOptions {
    std::optional<std::string> source;
    std::optional<std::string> target;
    std::optional<std::string> sourceFile;
    std::optional<std::string> targetFile;
    std::optional<DateTime> changedSince; // --changed-since DD/MM/YYYY
    std::optional<DateTime> at;           // --at YYYY-MM-DDTHH:MM
    bool noLaunch = false;
    bool log = false;
};

// Parses the options a command allows ("--source", "--log", ...). On a usage
// error returns nothing and sets problem to a one-line reason.
std::optional<CommandOptions> parseOptions(const std::vector<std::string>& args,
                                           const std::set<std::string>& allowed,
                                           std::string& problem);

// "DD/MM/YYYY" and "YYYY-MM-DDTHH:MM", valid calendar dates and times only.
std::optional<DateTime> parseDayMonthYear(const std::string& text);
std::optional<DateTime> parseDateTimeMinute(const std::string& text);

// What send and convert share around their action: the options the command
// allows (a usage error exits 2 with the usage text), the single-instance
// lock, a terminal frontend, an escaping error shown as the general error
// report, and the log panes printed for --log. The action returns whether the
// command ran to its end.
struct TerminalCommand {
    const char* name;
    std::set<std::string> allowed;
    const char* usage;
};
using TerminalAction = std::function<bool(const CommandOptions&, TerminalFrontend&)>;
int runTerminalCommand(Context& context, const std::vector<std::string>& args,
                       const TerminalCommand& command, const TerminalAction& action);

} // namespace pondus::cli
