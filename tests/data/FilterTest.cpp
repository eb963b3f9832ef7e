#include "data/Filter.h"

#include "base/Error.h"

#include <gtest/gtest.h>

using namespace pondus::data;

namespace {

TEST(FilterText, ReadsFieldComparisonAndQuotedValue) {
    struct Case {
        const char* text;
        const char* field;
        Comparison comparison;
        const char* value;
    } cases[] = {
        {"M_LEVEL = 'P1'", "M_LEVEL", Comparison::Equal, "P1"},
        {"M_TYPE='KWTPOSE'", "M_TYPE", Comparison::Equal, "KWTPOSE"},
        {"  M_UPDATE >= '01/03/2026' ", "M_UPDATE", Comparison::GreaterOrEqual, "01/03/2026"},
        {"A<>'x'", "A", Comparison::NotEqual, "x"},
        {"A < ''", "A", Comparison::Less, ""},
        {"A <= 'it''s'", "A", Comparison::LessOrEqual, "it's"},
        {"A > ''''", "A", Comparison::Greater, "'"},
    };
    for (const Case& c : cases) {
        auto parsed = parseFilterText(c.text);
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(parsed->field, c.field) << c.text;
        EXPECT_EQ(parsed->comparison, c.comparison) << c.text;
        EXPECT_EQ(parsed->value, c.value) << c.text;
    }
}

TEST(FilterText, RejectsWhatItCannotRead) {
    for (const char* text : {"", "M_LEVEL", "M_LEVEL = P1", "M_LEVEL = 'P1", "M_LEVEL == 'P1'",
                             "= 'P1'", "M_LEVEL = 'P1' and M_X = 'a'", "M_LEVEL ! 'P1'"})
        EXPECT_FALSE(parseFilterText(text)) << text;
}

TEST(FilterComparison, ComparesByTheFieldsType) {
    struct Case {
        FieldType type;
        Value stored;
        Comparison comparison;
        const char* operand;
        bool holds;
    } cases[] = {
        {FieldType::FixedText, std::string("P1    "), Comparison::Equal, "P1", true},
        {FieldType::FixedText, std::string("P1"), Comparison::Equal, "P1  ", true},
        {FieldType::Text, std::string("P1 "), Comparison::Equal, "P1", false},
        {FieldType::Text, std::string("b"), Comparison::Greater, "a", true},
        {FieldType::Float, 10.0, Comparison::Greater, "9", true}, // not "10" < "9" as texts
        {FieldType::Integer, std::int64_t(3), Comparison::Equal, "3.0", true},
        {FieldType::DateTime, pondus::DateTime{2026, 3, 1, 23, 59, 59}, Comparison::Equal,
         "01/03/2026", true},
        {FieldType::DateTime, pondus::DateTime{2026, 2, 28, 23, 59, 59}, Comparison::GreaterOrEqual,
         "01/03/2026", false},
        {FieldType::DateTime, pondus::DateTime{2026, 3, 1, 8, 0, 0}, Comparison::Less,
         "01/03/2026 09:00", true},
        {FieldType::DateTime, std::string("2026-03-02 00:00:00"), Comparison::Greater, "01/03/2026",
         true},
        {FieldType::Text, Value(), Comparison::NotEqual, "x", false},
        {FieldType::DateTime, Value(), Comparison::Less, "01/03/2026", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(satisfies(c.stored, c.comparison, makeOperand(c.type, c.operand)), c.holds)
            << c.operand;
}

TEST(FilterComparison, AValueThatDoesNotSuitTheFieldIsAnError) {
    EXPECT_THROW(makeOperand(FieldType::DateTime, "31/02/2026"), pondus::Error);
    EXPECT_THROW(makeOperand(FieldType::DateTime, "1/3/2026"), pondus::Error);
    EXPECT_THROW(makeOperand(FieldType::Float, "ten"), pondus::Error);
}

} // namespace
