#include "data/Value.h"

#include "base/Error.h"
#include "base/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace pondus::data {

namespace {

// Reads exactly `digits` decimal digits at text[pos].
std::optional<int> digitsAt(std::string_view text, size_t pos, size_t digits) {
    if (pos + digits > text.size())
        return std::nullopt;
    int value = 0;
    for (size_t i = pos; i < pos + digits; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool validDate(int year, int month, int day) {
    static const int monthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > monthDays[month - 1])
        return false;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day <= 28 || leap;
}

// Days since 30 December 1899, the day count of the store databases' date-times.
std::int64_t daysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yoe = unsigned(year - era * 400);
    const unsigned doy = unsigned((153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1);
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + std::int64_t(doe) - 719468 + 25569;
}

DateTime civilFromDays(std::int64_t days) {
    std::int64_t z = days - 25569 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    DateTime result;
    result.day = int(doy - (153 * mp + 2) / 5 + 1);
    result.month = int(mp < 10 ? mp + 3 : mp - 9);
    result.year = int(std::int64_t(yoe) + era * 400 + (result.month <= 2));
    return result;
}

// " HH:MM[:SS[.fraction]]" at text[pos] (the separator included), or the end.
bool readTimeOfDay(std::string_view text, size_t pos, DateTime& value, bool* hasTime) {
    if (hasTime)
        *hasTime = false;
    if (pos == text.size())
        return true;
    if (text[pos] != ' ' && text[pos] != 'T')
        return false;
    auto hour = digitsAt(text, pos + 1, 2);
    auto minute = digitsAt(text, pos + 4, 2);
    if (!hour || !minute || text[pos + 3] != ':' || *hour > 23 || *minute > 59)
        return false;
    value.hour = *hour;
    value.minute = *minute;
    pos += 6;
    if (pos < text.size()) {
        auto second = digitsAt(text, pos + 1, 2);
        if (text[pos] != ':' || !second || *second > 59)
            return false;
        value.second = *second;
        pos += 3;
        if (pos < text.size() && text[pos] == '.')
            while (++pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            }
    }
    if (hasTime)
        *hasTime = true;
    return pos == text.size();
}

[[noreturn]] void conversionError(const std::string& text, const char* what) {
    throw Error("'" + text + "' is not a valid " + what);
}

} // namespace

std::optional<DateTime> parseStoredDateTime(std::string_view text) {
    auto year = digitsAt(text, 0, 4);
    auto month = digitsAt(text, 5, 2);
    auto day = digitsAt(text, 8, 2);
    if (!year || !month || !day || text[4] != '-' || text[7] != '-' ||
        !validDate(*year, *month, *day))
        return std::nullopt;
    DateTime value{*year, *month, *day, 0, 0, 0};
    if (!readTimeOfDay(text, 10, value, nullptr))
        return std::nullopt;
    return value;
}

std::optional<DateTime> parseDayMonthYear(std::string_view text, bool* hasTime) {
    auto day = digitsAt(text, 0, 2);
    auto month = digitsAt(text, 3, 2);
    auto year = digitsAt(text, 6, 4);
    if (!year || !month || !day || text[2] != '/' || text[5] != '/' ||
        !validDate(*year, *month, *day))
        return std::nullopt;
    DateTime value{*year, *month, *day, 0, 0, 0};
    if (!readTimeOfDay(text, 10, value, hasTime))
        return std::nullopt;
    return value;
}

std::optional<double> parseNumber(std::string_view text) {
    std::string trimmed = trimBlanks(text);
    if (trimmed.empty())
        return std::nullopt;
    const char* begin = trimmed.data();
    if (*begin == '+')
        ++begin;
    double value = 0;
    auto [end, error] = std::from_chars(begin, trimmed.data() + trimmed.size(), value);
    if (error != std::errc() || end != trimmed.data() + trimmed.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string valueAsText(const Value& value) {
    if (auto text = std::get_if<std::string>(&value))
        return *text;
    if (auto whole = std::get_if<std::int64_t>(&value))
        return std::to_string(*whole);
    if (auto number = std::get_if<double>(&value)) {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", *number);
        return text;
    }
    const DateTime& date = std::get<DateTime>(value);
    char text[32];
    std::snprintf(text, sizeof text, "%02d%02d%04d", date.day, date.month, date.year);
    std::string result = text;
    if (date.hour || date.minute || date.second) {
        std::snprintf(text, sizeof text, " %02d:%02d:%02d", date.hour, date.minute, date.second);
        result += text;
    }
    return result;
}

std::int64_t valueAsInteger(const Value& value) {
    if (auto whole = std::get_if<std::int64_t>(&value))
        return *whole;
    if (auto number = std::get_if<double>(&value)) {
        double rounded = std::nearbyint(*number); // halves to the even neighbour
        if (std::fabs(rounded) > double(std::numeric_limits<std::int64_t>::max()))
            conversionError(valueAsText(value), "integer value");
        return std::int64_t(rounded);
    }
    if (auto text = std::get_if<std::string>(&value)) {
        if (auto whole = parseWholeNumber(*text))
            return *whole;
        conversionError(*text, "integer value");
    }
    conversionError(valueAsText(value), "integer value");
}

double valueAsFloat(const Value& value) {
    if (auto number = std::get_if<double>(&value))
        return *number;
    if (auto whole = std::get_if<std::int64_t>(&value))
        return double(*whole);
    if (auto text = std::get_if<std::string>(&value)) {
        if (auto number = parseNumber(*text))
            return *number;
        conversionError(*text, "floating point value");
    }
    const DateTime& date = std::get<DateTime>(value);
    return double(daysFromCivil(date.year, date.month, date.day)) +
           (date.hour * 3600 + date.minute * 60 + date.second) / 86400.0;
}

DateTime valueAsDateTime(const Value& value) {
    if (auto date = std::get_if<DateTime>(&value))
        return *date;
    if (auto text = std::get_if<std::string>(&value)) {
        if (auto date = parseStoredDateTime(*text))
            return *date;
        if (auto date = parseDayMonthYear(*text))
            return *date;
        conversionError(*text, "date and time");
    }
    double days = valueAsFloat(value);
    double whole = std::floor(days);
    DateTime date = civilFromDays(std::int64_t(whole));
    int seconds = std::min(86399, int(std::lround((days - whole) * 86400.0)));
    date.hour = seconds / 3600;
    date.minute = seconds / 60 % 60;
    date.second = seconds % 60;
    return date;
}

} // namespace pondus::data
