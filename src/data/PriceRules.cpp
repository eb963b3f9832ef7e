#include "data/PluRecord.h"
#include "data/RecordSet.h"

// The rules that read the price query and the weight query of the current item.
namespace pondus {

namespace {

std::string flagOf(const RecordSet& price, std::string_view field) {
    return price.isNull(field) ? std::string() : price.asText(field);
}

bool dateWindowHolds(const RecordSet& price, const Clock& clock) {
    return formatYYYYMMDD(price.asDateTime("M_DateFrom")) <= clock.today &&
           clock.today <= formatYYYYMMDD(price.asDateTime("M_DateTo"));
}

bool timeWindowHolds(const RecordSet& price, const Clock& clock) {
    return formatHHMM(price.asDateTime("M_TimeFrom")) <= clock.now &&
           clock.now <= formatHHMM(price.asDateTime("M_TimeTo"));
}

} // namespace

bool promotionApplies(const RecordSet& price, const Clock& clock) {
    std::string dateActive = flagOf(price, "M_DateActive");
    std::string timeActive = flagOf(price, "M_TimeActive");
    if (dateActive == "T" && timeActive == "T")
        return dateWindowHolds(price, clock) && timeWindowHolds(price, clock);
    if (dateActive == "T" && timeActive == "F")
        return dateWindowHolds(price, clock);
    if (dateActive == "F" && timeActive == "T")
        return timeWindowHolds(price, clock);
    return false;
}

std::string formattedPriceOf(const RecordSet& price, const Clock& clock, const Scaling& scaling) {
    if (price.eof())
        return "0.00";
    double amount = price.asFloat(promotionApplies(price, clock) ? "M_DiscPrice" : "M_Price");
    return formatMoney(scaleToMoney(amount, scaling));
}

std::optional<std::string> weightStatusOf(const RecordSet& weight) {
    if (weight.isEmpty() || weight.isNull("M_STATUS"))
        return std::nullopt;
    std::string status = weight.asText("M_STATUS");
    if (status.empty())
        return std::nullopt;
    return status;
}

} // namespace pondus
