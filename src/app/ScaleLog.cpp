#include "app/ScaleLog.h"

#include "base/Error.h"
#include "base/Text.h"
#include "platform/Paths.h"
#include "settings/IniFile.h"

#include <fstream>
#include <iterator>

namespace pondus {

namespace {

void appendLines(std::vector<std::string>& lines, const std::string& name) {
    std::vector<std::string> read = readTextLines(name);
    lines.insert(lines.end(), read.begin(), read.end());
}

} // namespace

ScaleLogNames scaleLogNames(const IniFile& settings, const std::string& target,
                            const std::string& appFolder) {
    return {joinName(appFolder,
                     settings.readString(target, "TARGET_LOG_FILE", "Log\\Temp\\IshidaDrvLog.log")),
            joinName(appFolder,
                     settings.readString(target, "TARGET_FILE_2", "Log\\Temp\\SendPlu2.txt"))};
}

std::optional<std::vector<std::string>> collectScaleLog(const ScaleLogNames& names) {
    std::vector<std::string> lines;
    if (fileExists(names.logFile)) {
        // The sent-data file comes first even though only the log decided.
        appendLines(lines, names.sentDataFile);
        lines.emplace_back();
        appendLines(lines, names.logFile);
        return lines;
    }
    if (fileExists(names.sentDataFile)) {
        appendLines(lines, names.sentDataFile);
        lines.emplace_back();
        return lines;
    }
    return std::nullopt;
}

std::string scaleLogNotFoundText(const ScaleLogNames& names) {
    return "Scale Log Not Found !\r\n[" + names.logFile + "]";
}

std::vector<std::string> readTextLines(const std::string& name) {
    if (!fileExists(name))
        throw Error("File not found");
    std::ifstream file(resolveName(name), std::ios::binary);
    if (!file.is_open())
        throw Error("File access denied");
    std::string text(std::istreambuf_iterator<char>(file), {});
    if (file.bad())
        throw Error("File access denied");
    return splitTextLines(text);
}

} // namespace pondus
