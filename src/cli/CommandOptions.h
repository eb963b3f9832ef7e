#pragma once

#include "base/DateTime.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pondus::cli {

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

} // namespace pondus::cli
