#pragma once

#include "data/PluRecord.h"
#include "exports/OutputFile.h"
#include "exports/SendContext.h"

#include <string>
#include <string_view>

// What the direct-send and CAS routines share: the Log\Temp folder, the record
// paths by source system, the Changed Since filter and the PLU list file line.
namespace pondus {

class ExportRun;
class RecordSet;

// The folder Log\Temp under the app folder, created with its parents when it is
// missing; fails with "Cannot create " and the folder.
void ensureLogTempFolder(const SendContext& context);

// The record path a source system text selects, compared exactly: "KELP",
// "MARTEN POS V8", and TILLV10 for every other text.
enum class SourcePath { Tillv10, MartenV8, Kelp };
SourcePath sourcePathOf(std::string_view source);

// The record sets a path walks; the KELP path has no price and no weight query.
struct PathSets {
    RecordSet& stock;
    RecordSet* price;
    RecordSet* weight;
};
PathSets pathSetsOf(TdmScale& data, SourcePath path);

// Sets the Changed Since filter of the path's stock query ("M_UPDATE >= " or
// "M_DATE_UPDATE >= " and the date text), switched on when the box is ticked.
// The KELP path has no filter.
void applyChangedSince(const SendContext& context, SourcePath path);
// Switches the filter off and empties its text; allowed on a closed set.
void removeFilter(RecordSet& set);
// Removes the filters of tblStock and tblStockV8, whatever the path.
void removeChangedSince(TdmScale& data);

// The MARTEN POS V8 record: M_Stock_Code, M_Barcode (or the PLU code), M_Desc,
// and the price of the V8 price level: M_P1_S1 of the stock record for "P1",
// else M_P_S1 of the price query's first row ("0.00" without a row).
PluRecord prepareV8Record(ExportRun& run, const RecordSet& stock, const RecordSet& price);
// The KELP record: M_Scan_Code as PLU code and item code, no price, M_Name.
// The code field is the code width less the flag code's length, taken after
// the flag code; the barcode field the first code-width characters.
PluRecord prepareKelpRecord(ExportRun& run, const RecordSet& stock);

// The scale file named by the target file field and the PLU list file beside
// it, both recreated empty, the scale file first.
class PluFiles {
public:
    PluFiles(const std::string& scaleFile, const std::string& listFile);
    void writeHeader(std::string_view line) { m_scale.writeLine(line); }
    // Step 19: the line into Memo2 and the scale file, then the list line.
    void writeRecord(ExportRun& run, std::string_view line, std::string_view listLine);
    // Closes the scale file, then the list file.
    void close();

private:
    OutputFile m_scale;
    OutputFile m_list;
};

// The scale data of the MARTEN POS V8 weight query's row (Mas_Stock_Scale):
// whether M_SALES_MODE is "1", and M_SHELF_LIFE in decimal (NULL gives "0").
bool v8FixedPrice(const RecordSet& weight);
std::string v8ShelfLife(const RecordSet& weight);

// A line of the PLU list file: the code fitted to 14, the description fitted
// to 41, then the formatted price.
std::string pluListLine(std::string_view code, std::string_view description,
                        std::string_view formattedPrice);

} // namespace pondus
