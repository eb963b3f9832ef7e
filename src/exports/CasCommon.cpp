#include "exports/CasCommon.h"

#include "base/Text.h"
#include "data/DataModule.h"
#include "data/RecordSet.h"
#include "exports/ExportRun.h"
#include "settings/IniFile.h"

namespace pondus {

namespace {

CasSettings readCasSettings(ExportRun& run, const CasModel& model) {
    const IniFile& ini = run.context().settings;
    const std::string& section = run.section();
    CasSettings settings;
    settings.listFile = ini.readString(section, "TARGET_FILE_2", model.listFile);
    settings.runExe = ini.readString(section, "TARGET_RUN_EXE", model.runExe);
    settings.dept = ini.readString(section, "Dept", "");
    settings.salesMode = ini.readString(section, "SalesMode", "");
    settings.packDate = ini.readString(section, "PackDate", "");
    settings.shelfLife = ini.readString(section, "ShelfLife", "");
    settings.fixedPrice = ini.readString(section, "FixedPrice", "");
    return settings;
}

std::string casLine(const CasSettings& settings, const CasRecord& record,
                    const std::vector<std::string>& generalValues) {
    std::string line = settings.dept + "\t" + record.pluNo + "\t" + record.salesMode + "\t" +
                       record.plu.descriptionField + "\t" + record.plu.priceField + "\t" +
                       record.itemCode + "\t" + settings.packDate + "\t" + record.shelfLife + "\t" +
                       settings.fixedPrice;
    for (const std::string& value : generalValues)
        line += "\t" + value;
    return line;
}

} // namespace

void cutCasCodes(CasRecord& record) {
    record.pluNo = rightPart(record.plu.codeField, 5);
    record.itemCode = rightPart(record.plu.barcodeField, 5);
}

CasRecord casTillv10Record(ExportRun& run, const PathSets& sets, const CasSettings& settings) {
    CasRecord record{run.prepareStockRecord(sets.stock, *sets.price), "", settings.salesMode, "",
                     settings.shelfLife};
    if (std::optional<std::string> status = weightStatusOf(*sets.weight)) {
        if (isFixedPriceStatus(*status))
            record.salesMode = "1";
        record.shelfLife = shelfLifeOfStatus(*status);
    }
    cutCasCodes(record);
    return record;
}

void runCasExport(SendContext& context, const CasModel& model, SourcePath path,
                  CasRecordOf recordOf) {
    ExportRun run(context);
    run.readWidths();
    CasSettings settings = readCasSettings(run, model);
    std::vector<std::string> generalValues;
    for (std::string_view key : model.generalColumns)
        generalValues.push_back(context.settings.readString("GENERAL", key, ""));
    ensureLogTempFolder(context);
    run.clearLogs();

    PathSets sets = pathSetsOf(context.data, path);
    applyChangedSince(context, path);
    run.start(sets.stock);
    PluFiles files(context.targetFile, settings.listFile);
    if (sets.price)
        sets.price->first();
    for (sets.stock.first(); !sets.stock.eof(); sets.stock.next()) {
        run.advance();
        CasRecord record = recordOf(run, sets, settings);
        run.logRecord(record.plu);
        files.writeRecord(
            run, casLine(settings, record, generalValues),
            pluListLine(record.pluNo, record.plu.descriptionField, record.plu.formattedPrice));
    }
    files.close();
    removeChangedSince(context.data);
    context.starter.start(programName(context, settings.runExe), {});
    run.finish();
}

} // namespace pondus
