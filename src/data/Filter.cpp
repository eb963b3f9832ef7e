#include "data/Filter.h"

#include "base/Error.h"

namespace pondus::data {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void skipBlanks(std::string_view text, size_t& pos) {
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
}

bool identifierChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$';
}

std::optional<Comparison> readComparison(std::string_view text, size_t& pos) {
    static const std::pair<std::string_view, Comparison> operators[] = {
        {"<>", Comparison::NotEqual},
        {"<=", Comparison::LessOrEqual},
        {">=", Comparison::GreaterOrEqual},
        {"=", Comparison::Equal},
        {"<", Comparison::Less},
        {">", Comparison::Greater}};
    for (const auto& [symbol, comparison] : operators)
        if (text.substr(pos, symbol.size()) == symbol) {
            pos += symbol.size();
            return comparison;
        }
    return std::nullopt;
}

// The quoted value at text[pos]: 'it''s' gives it's.
std::optional<std::string> readQuoted(std::string_view text, size_t& pos) {
    if (pos >= text.size() || text[pos] != '\'')
        return std::nullopt;
    std::string value;
    for (++pos; pos < text.size(); ++pos) {
        if (text[pos] != '\'') {
            value += text[pos];
        } else if (pos + 1 < text.size() && text[pos + 1] == '\'') {
            value += '\'';
            ++pos;
        } else {
            ++pos;
            return value;
        }
    }
    return std::nullopt;
}

std::string withoutTrailingBlanks(std::string_view text) {
    size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

template <typename T> int order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The order of the stored value against the operand; nullopt when they cannot be compared.
std::optional<int> compare(const Value& stored, const Operand& operand) {
    if (isNullValue(stored))
        return std::nullopt;
    switch (operand.type) {
    case FieldType::Text:
        return order(valueAsText(stored), operand.text);
    case FieldType::FixedText:
        return order(withoutTrailingBlanks(valueAsText(stored)), operand.text);
    case FieldType::Integer:
    case FieldType::Float: {
        std::optional<double> number;
        if (auto text = std::get_if<std::string>(&stored))
            number = parseNumber(*text);
        else if (!std::holds_alternative<DateTime>(stored))
            number = valueAsFloat(stored);
        if (!number)
            return std::nullopt;
        return order(*number, operand.number);
    }
    case FieldType::DateTime: {
        DateTime date;
        try {
            date = valueAsDateTime(stored);
        } catch (const Error&) {
            return std::nullopt;
        }
        if (operand.dateOnly)
            date.hour = date.minute = date.second = 0;
        return order(date, operand.date);
    }
    }
    return std::nullopt;
}

} // namespace

std::optional<FilterText> parseFilterText(std::string_view text) {
    FilterText result;
    size_t pos = 0;
    skipBlanks(text, pos);
    size_t start = pos;
    while (pos < text.size() && identifierChar(text[pos]))
        ++pos;
    if (pos == start)
        return std::nullopt;
    result.field = std::string(text.substr(start, pos - start));
    skipBlanks(text, pos);
    auto comparison = readComparison(text, pos);
    if (!comparison)
        return std::nullopt;
    result.comparison = *comparison;
    skipBlanks(text, pos);
    auto value = readQuoted(text, pos);
    if (!value)
        return std::nullopt;
    result.value = std::move(*value);
    skipBlanks(text, pos);
    if (pos != text.size())
        return std::nullopt;
    return result;
}

Operand makeOperand(FieldType type, std::string_view value) {
    Operand operand;
    operand.type = type;
    switch (type) {
    case FieldType::Text:
        operand.text = std::string(value);
        break;
    case FieldType::FixedText:
        operand.text = withoutTrailingBlanks(value);
        break;
    case FieldType::Integer:
    case FieldType::Float: {
        auto number = parseNumber(value);
        if (!number)
            throw Error("'" + std::string(value) + "' is not a valid number");
        operand.number = *number;
        break;
    }
    case FieldType::DateTime: {
        bool hasTime = false;
        auto date = parseDayMonthYear(value, &hasTime);
        if (!date) {
            date = parseStoredDateTime(value);
            hasTime = date && value.size() > 10;
        }
        if (!date)
            throw Error("'" + std::string(value) + "' is not a valid date (dd/mm/yyyy)");
        operand.date = *date;
        operand.dateOnly = !hasTime;
        break;
    }
    }
    return operand;
}

bool satisfies(const Value& stored, Comparison comparison, const Operand& operand) {
    auto result = compare(stored, operand);
    if (!result)
        return false;
    switch (comparison) {
    case Comparison::Equal:
        return *result == 0;
    case Comparison::NotEqual:
        return *result != 0;
    case Comparison::Less:
        return *result < 0;
    case Comparison::LessOrEqual:
        return *result <= 0;
    case Comparison::Greater:
        return *result > 0;
    case Comparison::GreaterOrEqual:
        return *result >= 0;
    }
    return false;
}

} // namespace pondus::data
