#include "data/DataModule.h"
#include "data/RecordSet.h"
#include "exports/ExportRun.h"
#include "exports/Exports.h"
#include "exports/OutputFile.h"
#include "settings/IniFile.h"

// The Ishida BC-3000 PLU file: one comma-separated line per stock item.
namespace pondus {

void exportIshidaBc3000(SendContext& context) {
    ExportRun run(context);
    run.readWidths();
    const IniFile& settings = context.settings;
    std::string symbol = settings.readString(run.section(), "TARGET_SYMBOL", "\x1b");
    std::string field1 = settings.readString(run.section(), "TARGET_FIELD1", "");
    std::string field2 = settings.readString(run.section(), "TARGET_FIELD2", "");
    std::string field3 = settings.readString(run.section(), "TARGET_FIELD3", "");
    run.clearLogs();

    RecordSet& stock = context.data.tblStock();
    RecordSet& price = context.data.tblStockPrice();
    run.start(stock);
    OutputFile file(context.targetFile);
    price.first();
    stock.first();
    while (!stock.eof()) {
        run.advance();
        PluRecord plu = run.prepareStockRecord(stock, price);
        run.logRecord(plu);
        std::string line = plu.codeField + "," + field1 + "," + plu.priceField + "," +
                           plu.priceField + "," + field2 + ",\"" + plu.descriptionField + "\",\"0" +
                           plu.codeField + "\",\"" + plu.barcodeField + "\",\"" + field3 + "\"," +
                           symbol + plu.descriptionField + "\"";
        run.logLine(line);
        file.writeLine(line);
        stock.next();
    }
    file.close();
    run.finishWithMessage();
}

} // namespace pondus
