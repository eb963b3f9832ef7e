#include "exports/ExportRun.h"
#include "exports/Exports.h"

// The Bizerba BC-815 PLU file: code, description, price and the letter W per
// stock item. The barcode is not read.
namespace pondus {

void exportBizerbaBc815(SendContext& context) {
    ExportRun run(context);
    run.readWidths();
    writeStockFile(
        run,
        [](const PluRecord& plu) {
            return plu.codeField + "," + plu.descriptionField + "," + plu.priceField + ",W";
        },
        false);
}

} // namespace pondus
