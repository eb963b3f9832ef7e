#include "base/Error.h"
#include "platform/Paths.h"
#include "shell/Startup.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pondus;
using pondus::test::TempFolder;

TEST(Startup, CreatesTheLanguageFolder) {
    TempFolder folder;
    ensureLanguageFolder(folder.str());
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "System" / "Setting" / "Language"));
}

TEST(Startup, LanguageFolderThatCannotBeCreatedNamesIt) {
    TempFolder folder;
    folder.write("System", "a file where the folder should be");
    try {
        ensureLanguageFolder(folder.str());
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create " + folder.str() + "\\System\\Setting\\Language");
    }
}

TEST(Startup, AppFolderHasNoTrailingSeparator) {
    EXPECT_EQ(normaliseAppFolder("/srv/pos/"), "/srv/pos");
    EXPECT_EQ(normaliseAppFolder("/"), "");
    EXPECT_EQ(joinName(normaliseAppFolder("/"), "Log\\Temp"), "\\Log\\Temp");
}

TEST(Startup, ScaleBIniIsPreferredOverScaleIni) {
    TempFolder folder;
    EXPECT_EQ(openSettingsFile(folder.str()).path().filename(), "Scale.ini");
    folder.write("Scale.ini", "[GENERAL]\r\nDEFAULT_TARGET=A\r\n");
    folder.write("ScaleB.ini", "[GENERAL]\r\nDEFAULT_TARGET=B\r\n");
    IniFile settings = openSettingsFile(folder.str());
    EXPECT_EQ(settings.readString("GENERAL", "DEFAULT_TARGET", ""), "B");
    settings.writeString("GENERAL", "DEFAULT_SOURCE", "TILLV10");
    EXPECT_EQ(folder.read("Scale.ini"), "[GENERAL]\r\nDEFAULT_TARGET=A\r\n");
}

TEST(Startup, ReadsSetupAndRegister) {
    TempFolder folder;
    RegisterValues none = readRegisterValues(folder.str());
    EXPECT_EQ(none.themeIndex, 0);
    EXPECT_EQ(none.storeCode, "");
    folder.write("Setup.ini", "[File]\r\nTheme_Skin=3\r\n");
    folder.write("Register.ini", "[STORE]\r\nDEFAULT_STORE=S01\r\n[SCALE]\r\nFLAG_CODE=20\r\n");
    RegisterValues values = readRegisterValues(folder.str());
    EXPECT_EQ(values.themeIndex, 3);
    EXPECT_EQ(values.storeCode, "S01");
    EXPECT_EQ(values.flagCode, "20");
}

TEST(Startup, DefaultTargetFileByModel) {
    struct Case {
        const char* target;
        const char* file;
    } cases[] = {
        {"ISHIDA BC-3000", "C:\\Pos\\Data\\Scale\\ScaleLink_Pro_V2.txt"},
        {"BIZERBA BC-815", "C:\\Pos\\Data\\Scale\\BC815.txt"},
        {"SCALELINK PRO V3", "C:\\Pos\\Data\\Scale\\ScaleLink_Pro_V3.txt"},
        {"SCALELINK PRO V31I", "C:\\Pos\\Data\\Scale\\ScaleLink_Pro_V31I.txt"},
        {"ISHIDA ASTRA XT (DIRECT SEND)", "C:\\Pos\\Log\\Temp\\SendPlu.txt"},
        {"ISHIDA BC4000 (DIRECT SEND)", "C:\\Pos\\Log\\Temp\\SendPluBC4000.txt"},
        {"CAS CL5500J", "C:\\Pos\\Scale\\CL5500\\PLU-Down-CL5000J.txt"},
        {"CAS CL5000J", "C:\\Pos\\Scale\\CAS\\PLU-Down-CL5000J.txt"},
        {"CAS CL5200J", "C:\\Pos\\Data\\Scale\\Scale.txt"},
        {"cas cl5000j", "C:\\Pos\\Data\\Scale\\Scale.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(defaultTargetFile(c.target, "C:\\Pos"), c.file) << c.target;
}

TEST(Startup, StoresDefaultFilesOnlyWhenMissing) {
    TempFolder folder;
    folder.write("Scale.ini", "[CAS CL5000J]\r\nTARGET_FILE=mine.txt\r\n");
    IniFile settings = openSettingsFile(folder.str());
    EXPECT_EQ(startupTargetFile(settings, "CAS CL5000J", "/pos"), "mine.txt");
    EXPECT_EQ(startupTargetFile(settings, "CAS CL5500J", "/pos"),
              "/pos\\Scale\\CL5500\\PLU-Down-CL5000J.txt");
    EXPECT_EQ(startupTargetFile(settings, "  ", "/pos"), "/pos");
    EXPECT_EQ(startupSourceFile(settings, "TILLV10", "/pos"), "/pos\\Data\\Scale\\Scale.txt");
    EXPECT_EQ(folder.read("Scale.ini"), "[CAS CL5000J]\r\nTARGET_FILE=mine.txt\r\n"
                                        "[CAS CL5500J]\r\n"
                                        "TARGET_FILE=/pos\\Scale\\CL5500\\PLU-Down-CL5000J.txt\r\n"
                                        "[TILLV10]\r\n"
                                        "SOURCE_FILE=/pos\\Data\\Scale\\Scale.txt\r\n");
}
