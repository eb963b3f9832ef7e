#include "base/Error.h"
#include "settings/IniFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace pondus;
using pondus::test::TempFolder;

namespace {

const char* HandWritten = "; written by hand\r\n"
                          "[cas cl5000j]\r\n"
                          "source_plul = 7 \r\n"
                          "Dept=\"  1 \"\r\n"
                          "Symbol='x'\r\n"
                          "Half=\"open\r\n"
                          "Empty=\r\n"
                          "\r\n"
                          "[General]\r\n"
                          "Barcode_PluCode=yes\r\n"
                          "CALCULATION_PLU=2\r\n"
                          "Hex=0x1F\r\n";

} // namespace

TEST(IniFile, ReadsHandWrittenFilesWithoutRegardToCase) {
    TempFolder folder;
    IniFile ini(folder.write("Scale.ini", HandWritten));
    EXPECT_EQ(ini.readString("CAS CL5000J", "SOURCE_PLUL", ""), "7");
    EXPECT_EQ(ini.readString("CAS CL5000J", "DEPT", ""), "  1 ");
    EXPECT_EQ(ini.readString("CAS CL5000J", "Symbol", ""), "x");
    EXPECT_EQ(ini.readString("CAS CL5000J", "Half", ""), "\"open");
    EXPECT_EQ(ini.readString("CAS CL5000J", "Empty", "default"), "");
    EXPECT_EQ(ini.readString("CAS CL5000J", "Missing", "default"), "default");
    EXPECT_EQ(ini.readString("NOSUCH", "Dept", "d"), "d");
    EXPECT_EQ(ini.readInteger("GENERAL", "Hex", 0), 31);
    EXPECT_EQ(ini.readWholeNumberText("GENERAL", "CALCULATION_PLU", "0"), 2);
}

TEST(IniFile, YesNoValues) {
    TempFolder folder;
    IniFile ini(folder.write("Scale.ini", "[G]\r\nyes=yes\r\ntwo=2\r\nzero=0\r\n"));
    EXPECT_FALSE(ini.readBool("G", "yes", false)); // not a number: the default
    EXPECT_TRUE(ini.readBool("G", "yes", true));
    EXPECT_TRUE(ini.readBool("G", "two", false));
    EXPECT_FALSE(ini.readBool("G", "zero", true));
    EXPECT_TRUE(ini.readBool("G", "missing", true));
}

TEST(IniFile, WholeNumberTextThatIsNotANumberIsAnError) {
    TempFolder folder;
    IniFile ini(folder.write("Scale.ini", "[GENERAL]\r\nCALCULATION_PLU=K\r\nEMPTY=\r\n"));
    try {
        ini.readWholeNumberText("GENERAL", "CALCULATION_PLU", "0");
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'K' is not a valid integer value");
    }
    EXPECT_THROW(ini.readWholeNumberText("GENERAL", "EMPTY", "0"), Error);
    EXPECT_EQ(ini.readWholeNumberText("GENERAL", "MISSING", "1"), 1);
}

TEST(IniFile, LongValuesAreCut) {
    TempFolder folder;
    IniFile ini(folder.write("Scale.ini", "[S]\r\nK=" + std::string(3000, 'a') + "\r\n"));
    EXPECT_EQ(ini.readString("S", "K", "").size(), IniFile::MaxValueLength);
}

TEST(IniFile, MissingFileGivesDefaultsAndIsCreatedByTheFirstStore) {
    TempFolder folder;
    IniFile ini(folder.path() / "Scale.ini");
    EXPECT_EQ(ini.readString("GENERAL", "DEFAULT_TARGET", "none"), "none");
    ini.writeString("GENERAL", "DEFAULT_TARGET", "CAS CL5000J");
    EXPECT_EQ(folder.read("Scale.ini"), "[GENERAL]\r\nDEFAULT_TARGET=CAS CL5000J\r\n");
}

TEST(IniFile, StoresLeaveEveryOtherLineAlone) {
    TempFolder folder;
    IniFile ini(folder.write("Scale.ini", HandWritten));
    ini.writeString("CAS CL5000J", "Dept", "2");           // replaces the key's line
    ini.writeString("cas CL5000J", "ShelfLife", "0");      // added at the section's end
    ini.writeBool("GENERAL", "BARCODE_PLUCODE", true);     // replaces
    ini.writeString("CAS CL5500J", "TARGET_FILE", "a\\b"); // new section at the end
    EXPECT_EQ(folder.read("Scale.ini"), "; written by hand\r\n"
                                        "[cas cl5000j]\r\n"
                                        "source_plul = 7 \r\n"
                                        "Dept=2\r\n"
                                        "Symbol='x'\r\n"
                                        "Half=\"open\r\n"
                                        "Empty=\r\n"
                                        "ShelfLife=0\r\n"
                                        "\r\n"
                                        "[General]\r\n"
                                        "BARCODE_PLUCODE=1\r\n"
                                        "CALCULATION_PLU=2\r\n"
                                        "Hex=0x1F\r\n"
                                        "[CAS CL5500J]\r\n"
                                        "TARGET_FILE=a\\b\r\n");
}

TEST(IniFile, SeesEditsMadeByOthersBetweenReads) {
    TempFolder folder;
    IniFile ini(folder.write("Scale.ini", "[S]\r\nK=1\r\n"));
    EXPECT_EQ(ini.readString("S", "K", ""), "1");
    folder.write("Scale.ini", "[S]\r\nK=22\r\n");
    EXPECT_EQ(ini.readString("S", "K", ""), "22");
}

TEST(IniFile, ReadOnlyFileIsNotWrittenAndStaysWhole) {
    TempFolder folder;
    auto path = folder.write("Scale.ini", "[S]\r\nK=1\r\n");
    ::chmod(path.c_str(), 0444);
    IniFile ini(path);
    try {
        ini.writeString("S", "K", "2");
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path.string());
    }
    EXPECT_EQ(folder.read("Scale.ini"), "[S]\r\nK=1\r\n");
}

TEST(IniFile, MissingFolderCannotBeWritten) {
    TempFolder folder;
    IniFile ini(folder.path() / "gone" / "Scale.ini");
    EXPECT_THROW(ini.writeString("S", "K", "1"), Error);
}

TEST(IniFile, ValuesWithLineBreaksAreRefused) {
    TempFolder folder;
    IniFile ini(folder.write("Scale.ini", "[S]\r\nK=1\r\n"));
    EXPECT_THROW(ini.writeString("S", "K", "2\r\n[EVIL]"), Error);
    EXPECT_THROW(ini.writeString("S", "K\n", "2"), Error);
    EXPECT_EQ(folder.read("Scale.ini"), "[S]\r\nK=1\r\n");
}
