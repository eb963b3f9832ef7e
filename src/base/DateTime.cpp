#include "base/DateTime.h"

#include <cstdio>
#include <ctime>

namespace pondus {

DateTime currentDateTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string formatYYYYMMDD(const DateTime& value) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", value.year, value.month, value.day);
    return text;
}

std::string formatHHMM(const DateTime& value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d", value.hour, value.minute);
    return text;
}

std::string formatDayMonthYear(const DateTime& value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", value.day, value.month, value.year);
    return text;
}

} // namespace pondus
