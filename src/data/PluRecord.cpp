#include "data/PluRecord.h"

#include "base/Error.h"
#include "base/Text.h"
#include "data/RecordSet.h"

#include <cmath>
#include <cstdio>

namespace pondus {

std::string FitToWidth(std::string_view text, int width, char fill) {
    if (width <= 0)
        return {};
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    std::string result(text.substr(begin, end - begin));
    result.resize(size_t(width), fill);
    return result;
}

std::string TakeSegment(std::string_view text, std::string_view separator, int index) {
    // Separators and line breaks both end a segment; a break at the very end
    // starts no further segment.
    int current = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start;
        size_t next = text.size();
        for (; end < text.size(); ++end) {
            if (!separator.empty() && text.substr(end, separator.size()) == separator) {
                next = end + separator.size();
                break;
            }
            if (text[end] == '\r' || text[end] == '\n') {
                next = end + 1;
                if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
                    next = end + 2;
                break;
            }
        }
        if (current == index)
            return std::string(text.substr(start, end - start));
        ++current;
        start = next;
    }
    return {};
}

Scaling scalingFromPositions(int calculationPlu, int calculationScale, int factor) {
    return {calculationScale < calculationPlu ? ScalingMode::Multiple : ScalingMode::Divide,
            factor};
}

namespace {

// The scaled value rounded to four decimals, an exact half to the even
// neighbour. The product with 10000 is itself rounded to a double and can land
// on an exact half that the scaled value only lies beside (0.01495 is held as
// 0.014949999...); there the product's rounding error, exact through fma,
// decides the side.
double roundedMoneyUnits(double scaled) {
    double product = scaled * 10000.0;
    double units = std::nearbyint(product);
    if (std::fabs(product - units) == 0.5) {
        double error = std::fma(scaled, 10000.0, -product);
        if (error > 0)
            units = std::ceil(product);
        else if (error < 0)
            units = std::floor(product);
    }
    return units;
}

} // namespace

int64_t scaleToMoney(double amount, const Scaling& scaling) {
    double scaled;
    if (scaling.mode == ScalingMode::Multiple) {
        scaled = amount * scaling.factor;
    } else {
        if (scaling.factor == 0)
            throw Error("Floating point division by zero");
        scaled = amount / scaling.factor;
    }
    double units = roundedMoneyUnits(scaled);
    if (!std::isfinite(units) || std::fabs(units) >= 9.2233720368547758e18)
        throw Error("Floating point overflow: the price " + std::to_string(scaled) +
                    " is beyond the range of a money amount");
    return int64_t(units);
}

std::string formatMoney(int64_t units) {
    bool negative = units < 0;
    uint64_t magnitude = negative ? uint64_t(0) - uint64_t(units) : uint64_t(units);
    uint64_t cents = magnitude / 100;
    uint64_t rest = magnitude % 100;
    if (rest > 50 || (rest == 50 && cents % 2 == 1))
        ++cents;
    char text[32];
    std::snprintf(text, sizeof text, "%s%llu.%02llu", negative && cents > 0 ? "-" : "",
                  (unsigned long long)(cents / 100), (unsigned long long)(cents % 100));
    return text;
}

std::string priceTextOf(std::string_view formattedPrice, int width) {
    std::string digits;
    for (char c : formattedPrice)
        if (c != '.')
            digits += c;
    if (int(digits.size()) < width)
        digits.insert(0, size_t(width) - digits.size(), '0');
    return digits;
}

std::string padRight(std::string_view text, int width) {
    std::string result(text);
    if (int(result.size()) < width)
        result.resize(size_t(width), ' ');
    return result;
}

bool isFixedPriceStatus(std::string_view status) {
    return !status.empty() && status[0] == '1';
}

int decimalOrError(std::string_view text) {
    size_t digits = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    bool valid = digits < text.size() && text.size() - digits <= 9;
    for (size_t i = digits; valid && i < text.size(); ++i)
        valid = text[i] >= '0' && text[i] <= '9';
    if (!valid)
        throw Error("'" + std::string(text) + "' is not a valid integer value");
    return std::stoi(std::string(text));
}

std::string shelfLifeOfStatus(std::string_view status) {
    return std::to_string(decimalOrError(status.substr(std::min<size_t>(1, status.size()), 3)));
}

std::string dateFlagOfStatus(std::string_view status) {
    return std::to_string(decimalOrError(status.substr(std::min<size_t>(4, status.size()), 1)));
}

void completePluRecord(PluRecord& record, std::string_view rawDescription,
                       const FieldWidths& widths) {
    record.priceText = priceTextOf(record.formattedPrice, widths.price);
    record.description = padRight(rawDescription, widths.description);
    record.codeField = leftPart(record.pluCode, widths.code);
    record.barcodeField = leftPart(record.itemCode, 10);
    record.priceField = leftPart(record.priceText, widths.price);
    record.descriptionField = leftPart(record.description, widths.description);
}

} // namespace pondus
