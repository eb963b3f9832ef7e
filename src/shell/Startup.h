#pragma once

#include "settings/IniFile.h"

#include <string>
#include <string_view>

namespace pondus {

inline constexpr const char* InstanceLockName = "POS_SCALE_BRIDGE";
inline constexpr const char* ApplicationTitle = "Pondus";
inline constexpr const char* LanguageFolder = "System\\Setting\\Language";

// The app folder: PONDUS_APP_DIR when set, else the folder of the program file;
// an absolute name without a trailing separator ("/" gives the empty text, as
// the root of a drive gives "C:").
std::string appFolderFromEnvironment();
std::string normaliseAppFolder(std::string_view folder);

// Creates app folder\System\Setting\Language when missing; fails with
// "Cannot create " and that folder's name.
void ensureLanguageFolder(const std::string& appFolder);

// ScaleB.ini when it exists in the app folder, else Scale.ini.
IniFile openSettingsFile(const std::string& appFolder);

// What Setup.ini and Register.ini hold for the whole run.
struct RegisterValues {
    int themeIndex = 0;    // Setup.ini [File] Theme_Skin
    std::string storeCode; // Register.ini [STORE] DEFAULT_STORE
    std::string flagCode;  // Register.ini [SCALE] FLAG_CODE
};
RegisterValues readRegisterValues(const std::string& appFolder);

// The target file stored at start-up for a target model whose section has none.
std::string defaultTargetFile(std::string_view target, const std::string& appFolder);

// The source file shown at start-up: SOURCE_FILE of the source's section,
// storing app folder\Data\Scale\Scale.txt first when it is empty and the
// source system is not.
std::string startupSourceFile(IniFile& settings, const std::string& source,
                              const std::string& appFolder);
// The target file shown at start-up: TARGET_FILE of the target's section,
// storing the default first when it is empty; the app folder for a blank target.
std::string startupTargetFile(IniFile& settings, const std::string& target,
                              const std::string& appFolder);

} // namespace pondus
