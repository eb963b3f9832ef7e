#pragma once

#include <string>
#include <string_view>

// What the two Ishida direct-send routines share: their file and driver
// settings, the scale data of the weight status, and the driver start.
namespace pondus {

class ExportRun;
class RecordSet;

// The model's defaults of the keys that differ between the two models.
struct IshidaDefaults {
    std::string_view targetFile;
    std::string_view listFile;
    std::string_view setupFile;
    std::string_view logFile;
    std::string_view runExe;
    std::string_view header1;
};

// The header's second part, the same for both models.
inline constexpr std::string_view ishidaHeader2 =
    "ExpTime,PackTime,Posflag,Message1,Message7,Coupon,Nutrition,TaxNo,Random,TrayNo,Logo1,"
    "Logo2,PropTare,BestBefore,UnitPrice,Weight,CostPrice,MarkPrice,UpperLimit,LowerLimit,"
    "ExMessage2,ExMessage3,NutritionID,ItemCode,PosCode,RegCode,Dept,Group,Desc";

// The keys of the target model's section read after the widths.
struct IshidaSettings {
    std::string targetFile; // given to the driver; the file written is the target file field
    std::string listFile;
    std::string setupFile;
    std::string logFile;
    std::string runExe;
    std::string runCmd;
    std::string header1;
    std::string header2;

    std::string headerLine() const { return header1 + header2; }
};

IshidaSettings readIshidaSettings(ExportRun& run, const IshidaDefaults& defaults);

// Sales mode, shelf life and date flag of a record.
struct ScaleFields {
    std::string salesMode;
    std::string shelfLife;
    std::string dateFlag;
};

// The weight status of the TILLV10 record over the column defaults: sales mode
// "1" when it begins with "1", shelf life from characters 2 to 4, date flag
// from character 5 (a status too short or not numeric there is an error).
ScaleFields ishidaScaleFields(const RecordSet& weight, ScaleFields fields);

// Deletes the driver log file when DELETE_LOG_FILE is yes (a failure is ignored),
// then starts the driver in the current folder with the switches and the send
// file, setup file and log file names. Its outcome is not examined.
void startIshidaDriver(ExportRun& run, const IshidaSettings& settings);

} // namespace pondus
