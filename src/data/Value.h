#pragma once

#include "base/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Values as the database drivers deliver them and the record sets hand them out.
namespace pondus::data {

// How a field compares and converts. FixedText is CHAR: trailing blanks do not
// count when it is compared.
enum class FieldType { Text, FixedText, Integer, Float, DateTime };

// NULL, the bytes of a text, a whole number, a floating-point number or a date-time.
using Value = std::variant<std::monostate, std::string, std::int64_t, double, DateTime>;

inline bool isNullValue(const Value& value) {
    return std::holds_alternative<std::monostate>(value);
}

struct Column {
    std::string name;
    FieldType type = FieldType::Text;
};

// Rows of a query, one cell per column, row after row.
struct Table {
    std::vector<Column> columns;
    std::vector<Value> cells;

    size_t rowCount() const { return columns.empty() ? 0 : cells.size() / columns.size(); }
    const Value& at(size_t row, size_t column) const {
        return cells[row * columns.size() + column];
    }
};

// The stored form of a date-time text: "YYYY-MM-DD", optionally followed by
// " HH:MM", ":SS" and a fraction (a "T" may stand for the blank).
std::optional<DateTime> parseStoredDateTime(std::string_view text);
// A date typed by the operator: "dd/mm/yyyy", optionally followed by " hh:mm[:ss]".
std::optional<DateTime> parseDayMonthYear(std::string_view text, bool* hasTime = nullptr);
std::optional<double> parseNumber(std::string_view text);

// Conversions of a non-NULL value; each fails with a conversion error.
std::string valueAsText(const Value& value);
std::int64_t valueAsInteger(const Value& value);
double valueAsFloat(const Value& value);
DateTime valueAsDateTime(const Value& value);

} // namespace pondus::data
