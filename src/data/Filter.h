#pragma once

#include "data/Value.h"

#include <optional>
#include <string>
#include <string_view>

// Record-set filters ("M_LEVEL = 'P1'", "M_UPDATE >= '01/03/2026'") and the
// comparison of a field with a value, as filters and locate use it.
namespace pondus::data {

enum class Comparison { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

// A filter's parts as written: field, comparison and the value between its
// single quotes (doubled quotes inside made single).
struct FilterText {
    std::string field;
    Comparison comparison = Comparison::Equal;
    std::string value;
};
std::optional<FilterText> parseFilterText(std::string_view text);

// A value ready to be compared with a field of the given type: texts as bytes
// (fixed text without trailing blanks), numbers as numbers, date-times as
// date-times; a date without a time of day compares with the date part only.
struct Operand {
    FieldType type = FieldType::Text;
    std::string text;
    double number = 0;
    DateTime date;
    bool dateOnly = false;
};
// Fails with the reason when the value does not suit the field's type.
Operand makeOperand(FieldType type, std::string_view value);

// Whether the stored value compares with the operand as asked; NULL never does.
bool satisfies(const Value& stored, Comparison comparison, const Operand& operand);

} // namespace pondus::data
