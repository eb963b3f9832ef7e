#include "data/RecordSet.h"
#include "exports/CasCommon.h"
#include "exports/ExportRun.h"
#include "exports/Exports.h"

namespace pondus {

namespace {

// MARTEN POS V8: sales mode "2" when M_SALES_MODE is "1", shelf life from
// M_SHELF_LIFE, both only when the item has a Mas_Stock_Scale row.
CasRecord v8Record(ExportRun& run, const PathSets& sets, const CasSettings& settings) {
    CasRecord record{prepareV8Record(run, sets.stock, *sets.price), "", settings.salesMode, "",
                     settings.shelfLife};
    if (!sets.weight->isEmpty()) {
        if (v8FixedPrice(*sets.weight))
            record.salesMode = "2";
        record.shelfLife = v8ShelfLife(*sets.weight);
    }
    cutCasCodes(record);
    return record;
}

// KELP: the stock record carries the scale data; the codes lose the flag code.
CasRecord kelpRecord(ExportRun& run, const PathSets& sets, const CasSettings& settings) {
    const RecordSet& stock = sets.stock;
    CasRecord record{prepareKelpRecord(run, stock), "", settings.salesMode, "",
                     std::to_string(stock.asInteger("M_Scale_Shelf_Life"))};
    if (!stock.isNull("M_Scale_Sales_Mode") && stock.asText("M_Scale_Sales_Mode") == "1")
        record.salesMode = "2";
    cutCasCodes(record);
    return record;
}

CasRecordOf recordOfPath(SourcePath path) {
    switch (path) {
    case SourcePath::MartenV8:
        return v8Record;
    case SourcePath::Kelp:
        return kelpRecord;
    case SourcePath::Tillv10:
        break;
    }
    return casTillv10Record;
}

} // namespace

void exportCasCl5000J(SendContext& context) {
    const CasModel model{"Scale\\Cas\\Plu-Down2-CL5000J.txt", "Scale\\Cas\\CasLink.exe", {}};
    SourcePath path = sourcePathOf(context.source);
    runCasExport(context, model, path, recordOfPath(path));
}

} // namespace pondus
