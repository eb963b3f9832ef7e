#include "exports/ExportRun.h"
#include "exports/Exports.h"

// The ScaleLink Pro V3 PLU import file: one comma-separated line per stock
// item, the price once, the PLU number repeated bare.
namespace pondus {

void exportScaleLinkProV3(SendContext& context) {
    ExportRun run(context);
    run.readWidths();
    TargetFields target = readTargetFields(context.settings, run.section());
    writeStockFile(run, [&](const PluRecord& plu) {
        return plu.codeField + "," + target.field1 + "," + plu.priceField + "," + target.field2 +
               ",\"" + plu.descriptionField + "\"," + plu.codeField + ",\"" + plu.barcodeField +
               "\"," + target.field3 + "," + target.symbol + plu.descriptionField + "\"";
    });
}

} // namespace pondus
