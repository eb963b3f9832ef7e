#pragma once

#include "data/PluRecord.h"
#include "exports/SendContext.h"

#include <functional>
#include <string>
#include <string_view>

namespace pondus {

class IniFile;
class OutputFile;
class RecordSet;

// The frame every export routine runs: the clock taken once, the progress
// dialog, the scaling and the widths, the log panes, the per-record progress
// and log lines, and the finish that restores the window. An export that ends
// by an error leaves its files closed with the lines written so far, and the
// window restored, when its run goes out of scope.
class ExportRun {
public:
    // Takes the clock, shows the progress dialog, reads the scaling (a setting
    // that is not a whole number fails here) and disables SEND and Cancel.
    explicit ExportRun(SendContext& context);
    ~ExportRun();
    ExportRun(const ExportRun&) = delete;
    ExportRun& operator=(const ExportRun&) = delete;

    // The widths of the target model's section.
    void readWidths();
    void clearLogs();
    // Counts the stock query's records and resets the counters; the routine
    // then moves its price query and its stock query to their first rows.
    void start(RecordSet& stock);

    // Per record: counts it, moves the gauge and repaints the window.
    void advance();
    // The record log in Memo1 ("# n", then code, description and price text)
    // and the output line in Memo2.
    void logRecord(const PluRecord& record);
    void logLine(std::string_view line);

    // The steps shared by every TILLV10 record: PLU code, item code (the PLU
    // code when GENERAL/BARCODE_PLUCODE is yes), effective price, price text,
    // description and fields.
    PluRecord prepareStockRecord(const RecordSet& stock, const RecordSet& price,
                                 bool readsBarcode = true);
    // The fields of a record whose codes, price and description come from elsewhere.
    PluRecord completeRecord(std::string pluCode, std::string itemCode, std::string formattedPrice,
                             std::string_view description);

    // Shows "Data Export Completed", then restores the window.
    void finishWithMessage();
    // Restores the window (the direct-send routines start their program first).
    void finish();

    SendContext& context() { return m_context; }
    const std::string& section() const { return m_context.target; }
    const Clock& clock() const { return m_clock; }
    const Scaling& scaling() const { return m_scaling; }
    const FieldWidths& widths() const { return m_widths; }
    int lineCounter() const { return m_lineCounter; }

private:
    SendContext& m_context;
    Clock m_clock;
    Scaling m_scaling;
    FieldWidths m_widths;
    int m_recordCount = 0;
    int m_progressCounter = 0;
    int m_lineCounter = 0;
    bool m_finished = false;
};

// The texts of a section that the comma-separated scale lines carry as they stand.
struct TargetFields {
    std::string symbol; // TARGET_SYMBOL, the ESC byte when the key is missing
    std::string field1;
    std::string field2;
    std::string field3;
};
TargetFields readTargetFields(const IniFile& settings, const std::string& section);

// The rest of a plain file export once its settings are read: clears the log
// panes, walks the stock query into the file of the target file field, one
// line a record, and shows "Data Export Completed". lineOf builds a record's
// line before the record is logged, so that an error in it logs nothing.
using LineOf = std::function<std::string(const PluRecord&)>;
void writeStockFile(ExportRun& run, const LineOf& lineOf, bool readsBarcode = true);

// The gauge value: counter out of total in percent, rounded to the nearest
// whole number, an exact half to the even neighbour.
int progressPercent(int counter, int total);

// Joins a name from the settings to the app folder as the program forms the
// names of the programs it starts.
std::string programName(const SendContext& context, std::string_view runExe);

// The parameter text split into words at blanks, as the link programs get it.
std::vector<std::string> splitWords(std::string_view text);

} // namespace pondus
