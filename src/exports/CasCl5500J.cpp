#include "exports/CasCommon.h"
#include "exports/Exports.h"

namespace pondus {

// Both models read the TILLV10 record sets whatever the source system, and
// share the CL5500 folder and its link program by default.
namespace {

constexpr std::string_view cl5500ListFile = "Scale\\CL5500\\Plu-Down2-CL5000J.txt";
constexpr std::string_view cl5500RunExe = "Scale\\CL5500\\CasLink.exe";

} // namespace

void exportCasCl5500J(SendContext& context) {
    runCasExport(context, {cl5500ListFile, cl5500RunExe, {}}, SourcePath::Tillv10,
                 casTillv10Record);
}

void exportCasCl5200J(SendContext& context) {
    runCasExport(context, {cl5500ListFile, cl5500RunExe, {"FixedVal1", "FixedVal2"}},
                 SourcePath::Tillv10, casTillv10Record);
}

} // namespace pondus
