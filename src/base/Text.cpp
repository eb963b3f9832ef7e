#include "base/Text.h"

#include "base/Error.h"

#include <algorithm>
#include <cstdint>

namespace pondus {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::string trimBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), upper);
    return result;
}

std::string leftPart(std::string_view text, int n) {
    if (n <= 0)
        return {};
    return std::string(text.substr(0, size_t(n)));
}

std::string rightPart(std::string_view text, int n) {
    if (n <= 0)
        return {};
    if (size_t(n) >= text.size())
        return std::string(text);
    return std::string(text.substr(text.size() - size_t(n)));
}

std::vector<std::string> splitTextLines(std::string_view text) {
    text = text.substr(0, text.find('\x1a'));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r' && end < text.size())
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<int> parseWholeNumber(std::string_view text) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (text.substr(pos, 2) == "0x" || text.substr(pos, 2) == "0X") {
        base = 16;
        pos += 2;
    } else if (text.substr(pos, 1) == "$") {
        base = 16;
        pos += 1;
    }
    if (pos >= text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        int digit = digitValue(text[pos], base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > int64_t(UINT32_MAX))
            return std::nullopt;
    }
    if (base == 16 && value > INT32_MAX)
        value -= int64_t(1) << 32; // hexadecimal covers the full 32 bits, as on the shop's PCs
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int(value);
}

int toWholeNumber(std::string_view text) {
    if (auto value = parseWholeNumber(text))
        return *value;
    throw Error("'" + std::string(text) + "' is not a valid integer value");
}

} // namespace pondus
