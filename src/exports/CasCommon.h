#pragma once

#include "data/PluRecord.h"
#include "exports/DirectSend.h"

#include <string>
#include <string_view>
#include <vector>

// What the three CAS routines share: their settings, the TILLV10 record, the
// TAB-separated PLU download line and the run with its link program start.
namespace pondus {

class ExportRun;
struct SendContext;

// The keys of the model's section read after the widths.
struct CasSettings {
    std::string listFile;
    std::string runExe;
    std::string dept;
    std::string salesMode;
    std::string packDate;
    std::string shelfLife;
    std::string fixedPrice;
};

// One record as the CAS columns see it: Plu_No and ItemCode are at most five
// characters long.
struct CasRecord {
    PluRecord plu;
    std::string pluNo;
    std::string salesMode;
    std::string itemCode;
    std::string shelfLife;
};

// Builds the record of the stock query's current record on one path.
using CasRecordOf = CasRecord (*)(ExportRun& run, const PathSets& sets,
                                  const CasSettings& settings);

// The TILLV10 record: sales mode "1" when the weight status begins with "1",
// shelf life from its characters 2 to 4, both over the column defaults.
CasRecord casTillv10Record(ExportRun& run, const PathSets& sets, const CasSettings& settings);

// Plu_No and ItemCode: the last five characters of the code and barcode fields.
void cutCasCodes(CasRecord& record);

struct CasModel {
    std::string_view listFile; // TARGET_FILE_2 default
    std::string_view runExe;   // TARGET_RUN_EXE default
    // GENERAL keys whose values end every line of the download file.
    std::vector<std::string_view> generalColumns;
};

// The CAS export over the path: the download file named by the target file
// field, the PLU list file, the Changed Since filter, then the link program
// started with no parameters.
void runCasExport(SendContext& context, const CasModel& model, SourcePath path,
                  CasRecordOf recordOf);

} // namespace pondus
