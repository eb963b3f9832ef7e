#include "exports/ExportRun.h"
#include "exports/Exports.h"

// The Ishida BC-3000 PLU file: one comma-separated line per stock item.
namespace pondus {

void exportIshidaBc3000(SendContext& context) {
    ExportRun run(context);
    run.readWidths();
    TargetFields target = readTargetFields(context.settings, run.section());
    writeStockFile(run, [&](const PluRecord& plu) {
        return plu.codeField + "," + target.field1 + "," + plu.priceField + "," + plu.priceField +
               "," + target.field2 + ",\"" + plu.descriptionField + "\",\"0" + plu.codeField +
               "\",\"" + plu.barcodeField + "\",\"" + target.field3 + "\"," + target.symbol +
               plu.descriptionField + "\"";
    });
}

} // namespace pondus
