#include "exports/DirectSend.h"

#include "base/Error.h"
#include "base/Text.h"
#include "data/DataModule.h"
#include "data/RecordSet.h"
#include "exports/ExportRun.h"
#include "platform/Paths.h"
#include "settings/IniFile.h"

namespace pondus {

namespace {

// count characters of text from the zero-based position start; "" when the
// text ends before start or count is 0 or less.
std::string midPart(std::string_view text, size_t start, int count) {
    if (start >= text.size())
        return {};
    return leftPart(text.substr(start), count);
}

} // namespace

void ensureLogTempFolder(const SendContext& context) {
    std::string folder = joinName(context.appFolder, "Log\\Temp");
    if (!folderExists(folder) && !createFolders(folder))
        throw Error("Cannot create " + folder);
}

SourcePath sourcePathOf(std::string_view source) {
    if (source == "KELP")
        return SourcePath::Kelp;
    if (source == "MARTEN POS V8")
        return SourcePath::MartenV8;
    return SourcePath::Tillv10;
}

PathSets pathSetsOf(TdmScale& data, SourcePath path) {
    switch (path) {
    case SourcePath::MartenV8:
        return {data.tblStockV8(), &data.tblStockPriceV8(), &data.qryWeightV8()};
    case SourcePath::Kelp:
        return {data.tblStockKelp(), nullptr, nullptr};
    case SourcePath::Tillv10:
        break;
    }
    return {data.tblStock(), &data.tblStockPrice(), &data.qryWeight()};
}

void applyChangedSince(const SendContext& context, SourcePath path) {
    if (path == SourcePath::Kelp)
        return;
    RecordSet& stock =
        path == SourcePath::MartenV8 ? context.data.tblStockV8() : context.data.tblStock();
    std::string field = path == SourcePath::MartenV8 ? "M_DATE_UPDATE >= " : "M_UPDATE >= ";
    stock.setFilterText(field + context.changedSinceText);
    stock.setFiltered(context.changedSince);
}

void removeFilter(RecordSet& set) {
    set.setFiltered(false);
    set.setFilterText("");
}

void removeChangedSince(TdmScale& data) {
    removeFilter(data.tblStock());
    removeFilter(data.tblStockV8());
}

PluRecord prepareV8Record(ExportRun& run, const RecordSet& stock, const RecordSet& price) {
    const SendContext& context = run.context();
    std::string pluCode = stock.asText("M_Stock_Code");
    std::string itemCode = context.settings.readBool("GENERAL", "BARCODE_PLUCODE", false)
                               ? pluCode
                               : stock.asText("M_Barcode");
    std::string formattedPrice = "0.00";
    if (context.v8PriceLevel == "P1")
        formattedPrice = formatMoney(scaleToMoney(stock.asFloat("M_P1_S1"), run.scaling()));
    else if (!price.eof())
        formattedPrice = formatMoney(scaleToMoney(price.asFloat("M_P_S1"), run.scaling()));
    return run.completeRecord(std::move(pluCode), std::move(itemCode), std::move(formattedPrice),
                              stock.asText("M_Desc"));
}

PluRecord prepareKelpRecord(ExportRun& run, const RecordSet& stock) {
    std::string scanCode = stock.asText("M_Scan_Code");
    PluRecord record = run.completeRecord(scanCode, scanCode, "", stock.asText("M_Name"));
    int codeWidth = run.widths().code;
    const std::string& flagCode = run.context().flagCode;
    record.codeField = midPart(scanCode, flagCode.size(), codeWidth - int(flagCode.size()));
    record.barcodeField = leftPart(scanCode, codeWidth);
    return record;
}

bool v8FixedPrice(const RecordSet& weight) {
    return !weight.isNull("M_SALES_MODE") && weight.asText("M_SALES_MODE") == "1";
}

std::string v8ShelfLife(const RecordSet& weight) {
    return weight.isNull("M_SHELF_LIFE") ? "0" : std::to_string(weight.asInteger("M_SHELF_LIFE"));
}

PluFiles::PluFiles(const std::string& scaleFile, const std::string& listFile)
    : m_scale(scaleFile), m_list(listFile) {}

void PluFiles::writeRecord(ExportRun& run, std::string_view line, std::string_view listLine) {
    run.logLine(line);
    m_scale.writeLine(line);
    m_list.writeLine(listLine);
}

void PluFiles::close() {
    m_scale.close();
    m_list.close();
}

std::string pluListLine(std::string_view code, std::string_view description,
                        std::string_view formattedPrice) {
    return FitToWidth(code, 14, ' ') + FitToWidth(description, 41, ' ') +
           std::string(formattedPrice);
}

} // namespace pondus
