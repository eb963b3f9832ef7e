#include "shell/Startup.h"

#include "base/Error.h"
#include "base/Text.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

#include <cstdlib>
#include <filesystem>

namespace pondus {

namespace fs = std::filesystem;

std::string normaliseAppFolder(std::string_view folder) {
    std::error_code error;
    std::string text =
        fs::absolute(fs::path(std::string(folder)), error).lexically_normal().string();
    while (!text.empty() && (text.back() == '/' || text.back() == '\\'))
        text.pop_back();
    return text;
}

std::string appFolderFromEnvironment() {
    const char* configured = std::getenv("PONDUS_APP_DIR");
    return normaliseAppFolder(configured && *configured ? configured : programFolder());
}

void ensureLanguageFolder(const std::string& appFolder) {
    std::string folder = joinName(appFolder, LanguageFolder);
    if (!createFolders(folder))
        throw Error("Cannot create " + folder);
}

IniFile openSettingsFile(const std::string& appFolder) {
    std::string preferred = joinName(appFolder, "ScaleB.ini");
    if (fileExists(preferred))
        return IniFile(resolveName(preferred));
    return IniFile(resolveName(joinName(appFolder, "Scale.ini")));
}

RegisterValues readRegisterValues(const std::string& appFolder) {
    IniFile setup(resolveName(joinName(appFolder, "Setup.ini")));
    IniFile registry(resolveName(joinName(appFolder, "Register.ini")));
    RegisterValues values;
    values.themeIndex = setup.readInteger("File", "Theme_Skin", 0);
    values.storeCode = registry.readString("STORE", "DEFAULT_STORE", "");
    values.flagCode = registry.readString("SCALE", "FLAG_CODE", "");
    return values;
}

std::string defaultTargetFile(std::string_view target, const std::string& appFolder) {
    struct Entry {
        std::string_view target;
        std::string_view file;
    };
    static constexpr Entry defaults[] = {
        {"ISHIDA BC-3000", "\\Data\\Scale\\ScaleLink_Pro_V2.txt"},
        {"BIZERBA BC-815", "\\Data\\Scale\\BC815.txt"},
        {"SCALELINK PRO V3", "\\Data\\Scale\\ScaleLink_Pro_V3.txt"},
        {"SCALELINK PRO V31I", "\\Data\\Scale\\ScaleLink_Pro_V31I.txt"},
        {"ISHIDA ASTRA XT (DIRECT SEND)", "\\Log\\Temp\\SendPlu.txt"},
        {"ISHIDA BC4000 (DIRECT SEND)", "\\Log\\Temp\\SendPluBC4000.txt"},
        {"CAS CL5500J", "\\Scale\\CL5500\\PLU-Down-CL5000J.txt"},
        {"CAS CL5000J", "\\Scale\\CAS\\PLU-Down-CL5000J.txt"},
    };
    for (const Entry& entry : defaults)
        if (entry.target == target)
            return appFolder + std::string(entry.file);
    return appFolder + "\\Data\\Scale\\Scale.txt";
}

std::string startupSourceFile(IniFile& settings, const std::string& source,
                              const std::string& appFolder) {
    // Without a source system there is no section to store into: a first start
    // without settings leaves the settings file to the first SEND or Options OK.
    if (!source.empty() && settings.readString(source, "SOURCE_FILE", "").empty())
        settings.writeString(source, "SOURCE_FILE", appFolder + "\\Data\\Scale\\Scale.txt");
    return settings.readString(source, "SOURCE_FILE", "");
}

std::string startupTargetFile(IniFile& settings, const std::string& target,
                              const std::string& appFolder) {
    if (trimBlanks(target).empty())
        return appFolder;
    if (settings.readString(target, "TARGET_FILE", "").empty())
        settings.writeString(target, "TARGET_FILE", defaultTargetFile(target, appFolder));
    return settings.readString(target, "TARGET_FILE", "");
}

} // namespace pondus
