#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pondus {

class RecordSet;

// Trims every byte of code 32 or lower from both ends, then fills with fill up
// to width or cuts to width. A width of 0 or less gives "".
std::string FitToWidth(std::string_view text, int width, char fill);

// The segment with the zero-based index of text split at separator; CR and LF
// inside the text end a segment too, and an empty last segment does not count.
std::string TakeSegment(std::string_view text, std::string_view separator, int index);

// How prices go from the shop's weight base to the scale's.
enum class ScalingMode { Multiple, Divide };

struct Scaling {
    ScalingMode mode = ScalingMode::Divide;
    int factor = 1;
};

// The scaling read from the settings: MULTIPLE when CALCULATION_SCALE is less
// than CALCULATION_PLU, else DIVIDE; the factor is CALCULATION_VALUE.
Scaling scalingFromPositions(int calculationPlu, int calculationScale, int factor);

// An amount scaled and held as money with four decimals (in units of 1/10000),
// an exact half going to the even neighbour. Fails on division by zero and on
// a value beyond the money range.
int64_t scaleToMoney(double amount, const Scaling& scaling);

// Money as "###0.00": cut to two decimals, an exact half to the even neighbour.
std::string formatMoney(int64_t units);

// The formatted price without its ".", zero-filled on the left to width.
std::string priceTextOf(std::string_view formattedPrice, int width);

// Text space-filled on the right to width; a longer text stays whole.
std::string padRight(std::string_view text, int width);

// The run's clock texts: today as YYYYMMDD, now as HHMM.
struct Clock {
    std::string today;
    std::string now;
};

// Whether the promotion price of the price query's current row applies at the
// clock: at least one flag "T", the window of every "T" flag holding (ends
// included), every other flag exactly "F".
bool promotionApplies(const RecordSet& price, const Clock& clock);

// The formatted price of the current item from the price query: "0.00" when
// it has no row, else the effective price scaled and formatted.
std::string formattedPriceOf(const RecordSet& price, const Clock& clock, const Scaling& scaling);

// The weight status of the current item: M_STATUS of the weight query when it
// has a row whose M_STATUS is neither NULL nor empty.
std::optional<std::string> weightStatusOf(const RecordSet& weight);
// Whether a weight status marks a fixed-price item (first character "1").
bool isFixedPriceStatus(std::string_view status);
// Characters 2 to 4 as a decimal number, written without leading zeros.
std::string shelfLifeOfStatus(std::string_view status);
// Character 5 as a decimal number.
std::string dateFlagOfStatus(std::string_view status);

// Reads a text as a decimal whole number, failing with the conversion error.
int decimalOrError(std::string_view text);

// The widths of the scale file's fields, from the target model's section.
struct FieldWidths {
    int code = 0;
    int price = 0;
    int description = 0;
};

// One PLU record: what a stock record becomes before a scale line is built.
struct PluRecord {
    std::string pluCode;
    std::string itemCode;
    std::string formattedPrice;
    std::string priceText;
    std::string description;
    std::string codeField;
    std::string barcodeField;
    std::string priceField;
    std::string descriptionField;
};

// Fills the price text, the description and the four fields from pluCode,
// itemCode, formattedPrice and the raw description.
void completePluRecord(PluRecord& record, std::string_view rawDescription,
                       const FieldWidths& widths);

} // namespace pondus
