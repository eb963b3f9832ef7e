#include "data/DataModule.h"
#include "data/RecordSet.h"
#include "exports/DirectSend.h"
#include "exports/ExportRun.h"
#include "exports/Exports.h"
#include "exports/IshidaCommon.h"
#include "settings/IniFile.h"

#include <array>
#include <map>

namespace pondus {

namespace {

constexpr IshidaDefaults astraDefaults{
    "Log\\Temp\\SendPlu.txt",
    "Log\\Temp\\SendPlu2.txt",
    "ScaleSetup.txt",
    "Log\\Temp\\IshidaDrvLog.log",
    "IshidaDriver.exe",
    "Plu_No,SalesMode,MarkFlag,DateFlag,TimeFlag,PosSelect,OpenPrice,ExpTimeFlag,ForcedTare,"
    "WrappingMode,WrappingSpeed,Volume,LabellingPos,Rotate,LabelFormat,BarCodeNum,BestBeforeFlag,"
    "PackQuant,Tare,ShelfLife,",
};

// The columns of a data line, in their fixed order whatever the header says.
constexpr std::array<std::string_view, 49> astraColumns{
    "Plu_No",       "SalesMode",   "MarkFlag",    "DateFlag",     "TimeFlag",       "PosSelect",
    "OpenPrice",    "ExpTimeFlag", "ForcedTare",  "WrappingMode", "WrappingSpeed",  "Volume",
    "LabellingPos", "Rotate",      "LabelFormat", "BarCodeNum",   "BestBeforeFlag", "PackQuant",
    "Tare",         "ShelfLife",   "ExpTime",     "PackTime",     "Posflag",        "Message1",
    "Message7",     "Coupon",      "Nutrition",   "TaxNo",        "Random",         "TrayNo",
    "Logo1",        "Logo2",       "PropTare",    "BestBefore",   "UnitPrice",      "Weight",
    "CostPrice",    "MarkPrice",   "UpperLimit",  "LowerLimit",   "ExMessage2",     "ExMessage3",
    "NutritionID",  "ItemCode",    "PosCode",     "RegCode",      "Dept",           "Group",
    "Desc",
};

bool filledByRoutine(std::string_view column) {
    return column == "Plu_No" || column == "UnitPrice" || column == "ItemCode" ||
           column == "PosCode";
}

// The column defaults of the section, read once per run in column order.
std::map<std::string_view, std::string> readColumnDefaults(const ExportRun& run,
                                                           const IniFile& settings) {
    std::map<std::string_view, std::string> defaults;
    for (std::string_view column : astraColumns)
        if (!filledByRoutine(column))
            defaults[column] =
                settings.readString(run.section(), column, column == "Desc" ? "2," : "");
    return defaults;
}

std::string columnValue(std::string_view column, const PluRecord& record, const ScaleFields& fields,
                        const std::map<std::string_view, std::string>& defaults) {
    if (column == "Plu_No" || column == "ItemCode")
        return record.codeField;
    if (column == "SalesMode")
        return fields.salesMode;
    if (column == "DateFlag")
        return fields.dateFlag;
    if (column == "ShelfLife")
        return fields.shelfLife;
    if (column == "UnitPrice")
        return record.priceField;
    if (column == "PosCode")
        return record.barcodeField;
    if (column == "Desc")
        return defaults.at(column) + "\"" + record.descriptionField + "\"";
    return defaults.at(column);
}

std::string astraLine(const PluRecord& record, const ScaleFields& fields,
                      const std::map<std::string_view, std::string>& defaults) {
    std::string line = columnValue(astraColumns.front(), record, fields, defaults);
    for (size_t i = 1; i < astraColumns.size(); ++i)
        line += "," + columnValue(astraColumns[i], record, fields, defaults);
    return line;
}

} // namespace

void exportIshidaAstraXt(SendContext& context) {
    ExportRun run(context);
    run.readWidths();
    IshidaSettings settings = readIshidaSettings(run, astraDefaults);
    std::map<std::string_view, std::string> defaults = readColumnDefaults(run, context.settings);
    ScaleFields columnFields{defaults.at("SalesMode"), defaults.at("ShelfLife"),
                             defaults.at("DateFlag")};
    ensureLogTempFolder(context);
    run.clearLogs();

    RecordSet& stock = context.data.tblStock();
    RecordSet& price = context.data.tblStockPrice();
    RecordSet& weight = context.data.qryWeight();
    applyChangedSince(context, SourcePath::Tillv10);
    run.start(stock);
    PluFiles files(context.targetFile, settings.listFile);
    files.writeHeader(settings.headerLine());
    price.first();
    for (stock.first(); !stock.eof(); stock.next()) {
        run.advance();
        PluRecord record = run.prepareStockRecord(stock, price);
        ScaleFields fields = ishidaScaleFields(weight, columnFields);
        run.logRecord(record);
        files.writeRecord(
            run, astraLine(record, fields, defaults),
            pluListLine(record.codeField, record.descriptionField, record.formattedPrice));
    }
    files.close();
    removeFilter(stock);
    startIshidaDriver(run, settings);
    run.finish();
}

} // namespace pondus
