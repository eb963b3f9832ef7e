#pragma once

#include <string>

namespace pondus {

// A date and time of day as the store databases hold them. The zero value,
// 30 December 1899 at 00:00, stands for a NULL date.
struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const DateTime&) const = default;
};

DateTime currentDateTime();

std::string formatYYYYMMDD(const DateTime& value); // "20261211"
std::string formatHHMM(const DateTime& value);     // "0905"
std::string formatDayMonthYear(const DateTime& value); // "11/12/2026"

} // namespace pondus
