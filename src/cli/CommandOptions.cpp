#include "cli/CommandOptions.h"

#include "cli/Cli.h"
#include "cli/TerminalFrontend.h"
#include "platform/Platform.h"
#include "shell/Frontend.h"

#include <cctype>
#include <ostream>

namespace pondus::cli {

namespace {

// The number made of text's digits from position, count digits long; nothing
// when one of them is not a digit.
std::optional<int> digitsAt(const std::string& text, size_t position, size_t count) {
    int value = 0;
    for (size_t i = position; i < position + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::optional<DateTime> validDate(std::optional<int> year, std::optional<int> month,
                                  std::optional<int> day) {
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
        *day > daysInMonth(*year, *month))
        return std::nullopt;
    DateTime value;
    value.year = *year;
    value.month = *month;
    value.day = *day;
    return value;
}

} // namespace

std::optional<DateTime> parseDayMonthYear(const std::string& text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    return validDate(digitsAt(text, 6, 4), digitsAt(text, 3, 2), digitsAt(text, 0, 2));
}

std::optional<DateTime> parseDateTimeMinute(const std::string& text) {
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':')
        return std::nullopt;
    std::optional<DateTime> value =
        validDate(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2));
    std::optional<int> hour = digitsAt(text, 11, 2);
    std::optional<int> minute = digitsAt(text, 14, 2);
    if (!value || !hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    value->hour = *hour;
    value->minute = *minute;
    return value;
}

std::optional<CommandOptions> parseOptions(const std::vector<std::string>& args,
                                           const std::set<std::string>& allowed,
                                           std::string& problem) {
    CommandOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (!allowed.count(name)) {
            problem = "unknown option " + name;
            return std::nullopt;
        }
        if (name == "--no-launch") {
            options.noLaunch = true;
            continue;
        }
        if (name == "--log") {
            options.log = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            problem = name + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (name == "--source") {
            options.source = value;
        } else if (name == "--target") {
            options.target = value;
        } else if (name == "--source-file") {
            options.sourceFile = value;
        } else if (name == "--target-file") {
            options.targetFile = value;
        } else if (name == "--changed-since") {
            options.changedSince = parseDayMonthYear(value);
            if (!options.changedSince) {
                problem = "--changed-since needs a date DD/MM/YYYY, not " + value;
                return std::nullopt;
            }
        } else if (name == "--at") {
            options.at = parseDateTimeMinute(value);
            if (!options.at) {
                problem = "--at needs a date and time YYYY-MM-DDTHH:MM, not " + value;
                return std::nullopt;
            }
        }
    }
    return options;
}

int runTerminalCommand(Context& context, const std::vector<std::string>& args,
                       const TerminalCommand& command, const TerminalAction& action) {
    std::string problem;
    std::optional<CommandOptions> options = parseOptions(args, command.allowed, problem);
    if (!options) {
        context.err << "pondus-cli " << command.name << ": " << problem << "\n" << command.usage;
        return UsageError;
    }
    std::unique_ptr<InstanceLock> lock = takeInstanceLock(context);
    if (!lock)
        return Failure;

    TerminalFrontend frontend(context.out, context.err, context.errIsTerminal);
    bool completed = false;
    try {
        completed = action(*options, frontend);
    } catch (const std::exception& error) {
        reportError(frontend, error.what());
    }
    if (options->log)
        frontend.printLogs(context.out);
    return completed ? Success : Failure;
}

} // namespace pondus::cli
