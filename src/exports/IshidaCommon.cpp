#include "exports/IshidaCommon.h"

#include "data/PluRecord.h"
#include "exports/ExportRun.h"
#include "platform/Paths.h"
#include "settings/IniFile.h"

#include <filesystem>
#include <system_error>

namespace pondus {

IshidaSettings readIshidaSettings(ExportRun& run, const IshidaDefaults& defaults) {
    const IniFile& ini = run.context().settings;
    const std::string& section = run.section();
    IshidaSettings settings;
    settings.targetFile = ini.readString(section, "TARGET_FILE", defaults.targetFile);
    settings.listFile = ini.readString(section, "TARGET_FILE_2", defaults.listFile);
    settings.setupFile = ini.readString(section, "TARGET_SETUP_FILE", defaults.setupFile);
    settings.logFile = ini.readString(section, "TARGET_LOG_FILE", defaults.logFile);
    settings.runExe = ini.readString(section, "TARGET_RUN_EXE", defaults.runExe);
    settings.runCmd = ini.readString(section, "TARGET_RUN_CMD", "-u -r -l -fplu -c");
    settings.header1 = ini.readString(section, "TARGET_COLUMN_HEADER_1", defaults.header1);
    settings.header2 = ini.readString(section, "TARGET_COLUMN_HEADER_2", ishidaHeader2);
    return settings;
}

ScaleFields ishidaScaleFields(const RecordSet& weight, ScaleFields fields) {
    if (std::optional<std::string> status = weightStatusOf(weight)) {
        if (isFixedPriceStatus(*status))
            fields.salesMode = "1";
        fields.shelfLife = shelfLifeOfStatus(*status);
        fields.dateFlag = dateFlagOfStatus(*status);
    }
    return fields;
}

void startIshidaDriver(ExportRun& run, const IshidaSettings& settings) {
    SendContext& context = run.context();
    if (context.settings.readBool(run.section(), "DELETE_LOG_FILE", false)) {
        // Only a file: a folder of that name is left alone, as the file deletion
        // of the shops' system leaves it.
        std::filesystem::path log = resolveName(settings.logFile);
        std::error_code ignored;
        if (!std::filesystem::is_directory(log, ignored))
            std::filesystem::remove(log, ignored);
    }
    std::string parameters = settings.runCmd + " " + settings.targetFile + " " +
                             settings.setupFile + " " + settings.logFile;
    context.starter.start(programName(context, settings.runExe), splitWords(parameters));
}

} // namespace pondus
