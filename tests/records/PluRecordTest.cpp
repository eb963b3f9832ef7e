#include "data/PluRecord.h"

#include "base/Error.h"

#include <gtest/gtest.h>

using namespace pondus;

TEST(FitToWidth, TrimsControlCharactersThenFillsOrCuts) {
    EXPECT_EQ(FitToWidth("  AB ", 5, ' '), "AB   ");
    EXPECT_EQ(FitToWidth("ABCDEFG", 3, ' '), "ABC");
    EXPECT_EQ(FitToWidth("\t\x1b"
                         "AB\r\n",
                         3, '.'),
              "AB.");
    EXPECT_EQ(FitToWidth("AB", 0, ' '), "");
    EXPECT_EQ(FitToWidth("AB", -4, ' '), "");
    EXPECT_EQ(FitToWidth("\xC9T\xC9", 4, ' '), "\xC9T\xC9 "); // bytes above 127 are data
}

TEST(TakeSegment, SplitsAtSeparatorsAndLineBreaks) {
    struct Case {
        const char* text;
        const char* separator;
        int index;
        const char* segment;
    } cases[] = {
        {"10,20,30", ",", 2, "30"}, {"10,20,30", ",", 3, ""}, {"a,,b", ",", 1, ""},
        {"a,,b", ",", 2, "b"},      {"a,b,", ",", 1, "b"},    {"a,b,", ",", 2, ""},
        {"", ",", 0, ""},           {"abc", "", 0, "abc"},    {"a\r\nb,c", ",", 1, "b"},
        {"a\rb\nc", ",", 2, "c"},   {"x::y", "::", 1, "y"},   {"a,b\r\n", ",", 2, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TakeSegment(c.text, c.separator, c.index), c.segment)
            << c.text << " [" << c.index << "]";
}

TEST(Money, RoundsHalvesToTheEvenNeighbourTwice) {
    Scaling one{ScalingMode::Divide, 1};
    struct Case {
        double amount;
        Scaling scaling;
        const char* formatted;
    } cases[] = {
        {0.235, one, "0.24"},
        {0.245, one, "0.24"},
        {0.255, one, "0.26"},
        {12.5, {ScalingMode::Divide, 10}, "1.25"},
        {12.5, {ScalingMode::Multiple, 10}, "125.00"},
        {9.90, {ScalingMode::Divide, 10}, "0.99"},
        {12.90, {ScalingMode::Divide, 10}, "1.29"},
        {25.9, {ScalingMode::Divide, 1}, "25.90"},
        {7.0, {ScalingMode::Multiple, 0}, "0.00"},
        {1234.56, one, "1234.56"},
        {-1.005, one, "-1.00"},
        {-0.004, one, "0.00"},
        {19.99, {ScalingMode::Divide, 1000}, "0.02"},
        // 0.01495 as a double lies below the half: 0.0149, not 0.0150.
        {14.95, {ScalingMode::Divide, 1000}, "0.01"},
        {-14.95, {ScalingMode::Divide, 1000}, "-0.01"},
        // 0.08505 as a double lies above the half: 0.0851, not 0.0850.
        {85.05, {ScalingMode::Divide, 1000}, "0.09"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatMoney(scaleToMoney(c.amount, c.scaling)), c.formatted) << c.amount;
}

TEST(Money, DivisionByZeroAndOverflowAreErrors) {
    EXPECT_THROW(scaleToMoney(1.0, {ScalingMode::Divide, 0}), Error);
    EXPECT_THROW(scaleToMoney(1e18, {ScalingMode::Multiple, 1000}), Error);
}

TEST(Scaling, MultipliesOnlyWhenTheScaleUnitIsTheLargerOne) {
    EXPECT_EQ(scalingFromPositions(1, 0, 10).mode, ScalingMode::Multiple);
    EXPECT_EQ(scalingFromPositions(0, 1, 10).mode, ScalingMode::Divide);
    EXPECT_EQ(scalingFromPositions(2, 2, 1).mode, ScalingMode::Divide);
}

TEST(PriceText, DropsThePointAndFillsWithZeros) {
    EXPECT_EQ(priceTextOf("0.00", 6), "000000");
    EXPECT_EQ(priceTextOf("0.99", 6), "000099");
    EXPECT_EQ(priceTextOf("1234.56", 4), "123456");
    EXPECT_EQ(priceTextOf("1.29", 0), "129");
}

TEST(WeightStatus, CutsShelfLifeAndDateFlag) {
    EXPECT_EQ(shelfLifeOfStatus("10071"), "7");
    EXPECT_EQ(dateFlagOfStatus("10071"), "1");
    EXPECT_EQ(shelfLifeOfStatus("00300"), "30");
    EXPECT_EQ(dateFlagOfStatus("00300"), "0");
    EXPECT_EQ(shelfLifeOfStatus("01201"), "120");
    EXPECT_EQ(shelfLifeOfStatus("0012"), "12");
    EXPECT_EQ(shelfLifeOfStatus("10"), "0");
    EXPECT_TRUE(isFixedPriceStatus("10"));
    EXPECT_FALSE(isFixedPriceStatus("0012"));
    EXPECT_THROW(dateFlagOfStatus("1005"), Error);
    EXPECT_THROW(shelfLifeOfStatus("1"), Error);
    EXPECT_THROW(shelfLifeOfStatus("1A071"), Error);
}

TEST(PluRecord, FieldsAreCutFromTheWholeValues) {
    PluRecord record;
    record.pluCode = "2012345";
    record.itemCode = "9556001234567";
    record.formattedPrice = "1234.56";
    completePluRecord(record, "CHICKEN BREAST", {5, 4, 20});
    EXPECT_EQ(record.priceText, "123456");
    EXPECT_EQ(record.priceField, "1234");
    EXPECT_EQ(record.description, "CHICKEN BREAST      ");
    EXPECT_EQ(record.descriptionField, "CHICKEN BREAST      ");
    EXPECT_EQ(record.codeField, "20123");
    EXPECT_EQ(record.barcodeField, "9556001234");
    completePluRecord(record, "A VERY LONG DESCRIPTION", {0, 6, 4});
    EXPECT_EQ(record.description, "A VERY LONG DESCRIPTION");
    EXPECT_EQ(record.descriptionField, "A VE");
    EXPECT_EQ(record.codeField, "");
}
