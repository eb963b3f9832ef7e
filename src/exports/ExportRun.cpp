#include "exports/ExportRun.h"

#include "data/DataModule.h"
#include "data/RecordSet.h"
#include "exports/OutputFile.h"
#include "platform/Paths.h"
#include "settings/IniFile.h"
#include "shell/Frontend.h"

#include <cstdint>

namespace pondus {

ExportRun::ExportRun(SendContext& context) : m_context(context) {
    m_clock = {formatYYYYMMDD(context.clock), formatHHMM(context.clock)};
    context.frontend.showProgress();
    try {
        IniFile& settings = context.settings;
        int plu = settings.readWholeNumberText("GENERAL", "CALCULATION_PLU", "0");
        int scale = settings.readWholeNumberText("GENERAL", "CALCULATION_SCALE", "1");
        int factor = settings.readWholeNumberText("GENERAL", "CALCULATION_VALUE", "1");
        m_scaling = scalingFromPositions(plu, scale, factor);
    } catch (...) {
        context.frontend.closeProgress();
        throw;
    }
    context.frontend.setSendEnabled(false);
    context.frontend.setCancelEnabled(false);
}

ExportRun::~ExportRun() {
    if (!m_finished) {
        m_context.frontend.setSendEnabled(true);
        m_context.frontend.setCancelEnabled(true);
        m_context.frontend.closeProgress();
    }
}

void ExportRun::readWidths() {
    IniFile& settings = m_context.settings;
    m_widths.code = settings.readWholeNumberText(section(), "SOURCE_PLUL", "0");
    m_widths.price = settings.readWholeNumberText(section(), "SOURCE_PRICEL", "0");
    m_widths.description = settings.readWholeNumberText(section(), "SOURCE_DESCL", "0");
}

void ExportRun::clearLogs() {
    m_context.frontend.clearLogs();
}

void ExportRun::start(RecordSet& stock) {
    m_recordCount = stock.recordCount();
    m_progressCounter = 0;
    m_lineCounter = 0;
}

void ExportRun::advance() {
    ++m_progressCounter;
    m_context.frontend.setProgress(progressPercent(m_progressCounter, m_recordCount));
    m_context.frontend.repaint();
}

void ExportRun::logRecord(const PluRecord& record) {
    ++m_lineCounter;
    m_context.frontend.appendLog1("# " + std::to_string(m_lineCounter));
    m_context.frontend.appendLog1(record.pluCode + " " + record.description + " " +
                                  record.priceText);
}

void ExportRun::logLine(std::string_view line) {
    m_context.frontend.appendLog2("# " + std::to_string(m_lineCounter));
    m_context.frontend.appendLog2(line);
}

PluRecord ExportRun::prepareStockRecord(const RecordSet& stock, const RecordSet& price,
                                        bool readsBarcode) {
    std::string pluCode = stock.asText("M_PluCode");
    std::string itemCode;
    if (readsBarcode)
        itemCode = m_context.settings.readBool("GENERAL", "BARCODE_PLUCODE", false)
                       ? pluCode
                       : stock.asText("M_Barcode");
    std::string formattedPrice = formattedPriceOf(price, m_clock, m_scaling);
    return completeRecord(std::move(pluCode), std::move(itemCode), std::move(formattedPrice),
                          stock.asText("M_Desc"));
}

PluRecord ExportRun::completeRecord(std::string pluCode, std::string itemCode,
                                    std::string formattedPrice, std::string_view description) {
    PluRecord record;
    record.pluCode = std::move(pluCode);
    record.itemCode = std::move(itemCode);
    record.formattedPrice = std::move(formattedPrice);
    completePluRecord(record, description, m_widths);
    return record;
}

void ExportRun::finishWithMessage() {
    m_context.frontend.showMessage("Data Export Completed");
    finish();
}

void ExportRun::finish() {
    m_finished = true;
    m_context.frontend.setSendEnabled(true);
    m_context.frontend.setCancelEnabled(true);
    m_context.frontend.closeProgress();
}

TargetFields readTargetFields(const IniFile& settings, const std::string& section) {
    return {settings.readString(section, "TARGET_SYMBOL", "\x1b"),
            settings.readString(section, "TARGET_FIELD1", ""),
            settings.readString(section, "TARGET_FIELD2", ""),
            settings.readString(section, "TARGET_FIELD3", "")};
}

void writeStockFile(ExportRun& run, const LineOf& lineOf, bool readsBarcode) {
    run.clearLogs();
    RecordSet& stock = run.context().data.tblStock();
    RecordSet& price = run.context().data.tblStockPrice();
    run.start(stock);
    OutputFile file(run.context().targetFile);
    price.first();
    for (stock.first(); !stock.eof(); stock.next()) {
        run.advance();
        PluRecord plu = run.prepareStockRecord(stock, price, readsBarcode);
        std::string line = lineOf(plu);
        run.logRecord(plu);
        run.logLine(line);
        file.writeLine(line);
    }
    file.close();
    run.finishWithMessage();
}

// In whole numbers: a floating-point share can fall just beside an exact half.
int progressPercent(int counter, int total) {
    int64_t hundredfold = int64_t(counter) * 100;
    int64_t percent = hundredfold / total;
    int64_t twiceRest = 2 * (hundredfold % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 == 1))
        ++percent;
    return int(percent);
}

std::string programName(const SendContext& context, std::string_view runExe) {
    return joinName(context.appFolder, runExe);
}

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

} // namespace pondus
