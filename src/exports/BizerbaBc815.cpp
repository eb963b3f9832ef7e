#include "data/DataModule.h"
#include "data/RecordSet.h"
#include "exports/ExportRun.h"
#include "exports/Exports.h"
#include "exports/OutputFile.h"

// The Bizerba BC-815 PLU file: code, description, price and the letter W per
// stock item. The barcode is not read.
namespace pondus {

void exportBizerbaBc815(SendContext& context) {
    ExportRun run(context);
    run.readWidths();
    run.clearLogs();

    RecordSet& stock = context.data.tblStock();
    RecordSet& price = context.data.tblStockPrice();
    run.start(stock);
    OutputFile file(context.targetFile);
    price.first();
    stock.first();
    while (!stock.eof()) {
        run.advance();
        PluRecord plu = run.prepareStockRecord(stock, price, false);
        run.logRecord(plu);
        std::string line = plu.codeField + "," + plu.descriptionField + "," + plu.priceField + ",W";
        run.logLine(line);
        file.writeLine(line);
        stock.next();
    }
    file.close();
    run.finishWithMessage();
}

} // namespace pondus
