#include "data/DataModule.h"
#include "data/RecordSet.h"
#include "exports/ExportRun.h"
#include "exports/Exports.h"
#include "settings/IniFile.h"

// The ScaleLink Pro V31I PLU import file: one comma-separated line per stock
// item, with the sales mode, date flag and shelf life of its weight status.
// Several pieces stand side by side; the settings texts supply the commas there.
namespace pondus {

namespace {

struct WeightParts {
    std::string salesMode;
    std::string dateFlag = "0,";
    std::string shelfLife = "0,";
};

WeightParts weightPartsOf(const RecordSet& weight, const std::string& byWeight,
                          const std::string& fixedPrice) {
    WeightParts parts{byWeight};
    if (std::optional<std::string> status = weightStatusOf(weight)) {
        if (isFixedPriceStatus(*status))
            parts.salesMode = fixedPrice;
        parts.shelfLife = shelfLifeOfStatus(*status) + ",";
        parts.dateFlag = dateFlagOfStatus(*status) + ",";
    }
    return parts;
}

} // namespace

void exportScaleLinkProV31I(SendContext& context) {
    ExportRun run(context);
    run.readWidths();
    const IniFile& settings = context.settings;
    const std::string& section = run.section();
    std::string symbol = settings.readString(section, "TARGET_SYMBOL", "\x1b");
    std::string field1 = settings.readString(section, "TARGET_FIELD1", "");
    std::string field1_4 = settings.readString(section, "TARGET_FIELD1_4", "");
    std::string field1_5 = settings.readString(section, "TARGET_FIELD1_5", "");
    std::string field2 = settings.readString(section, "TARGET_FIELD2", "");
    std::string field3 = settings.readString(section, "TARGET_FIELD3", "");
    std::string byWeight = settings.readString(section, "TARGET_WEIGHT", "");
    std::string fixedPrice = settings.readString(section, "TARGET_FIXED_PRICE", "");

    const RecordSet& weight = context.data.qryWeight();
    writeStockFile(run, [&](const PluRecord& plu) {
        WeightParts status = weightPartsOf(weight, byWeight, fixedPrice);
        return plu.codeField + "," + status.salesMode + field1 + status.dateFlag + field1_4 +
               status.shelfLife + field1_5 + plu.priceField + "," + field2 + plu.codeField + ",\"" +
               plu.barcodeField + "\"," + field3 + symbol + plu.descriptionField + "\"";
    });
}

} // namespace pondus
