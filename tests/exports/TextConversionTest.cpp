#include "settings/IniFile.h"
#include "shell/SendWorkflow.h"
#include "support/RecordingFrontend.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pondus;
using pondus::test::RecordingFrontend;
using pondus::test::TempFolder;

namespace {

// The sample settings: markers 01 and 09 of two characters, the
// code at 3 (5 long), the price at 8 (4 long), the description at 3 (10 long).
constexpr const char* SampleSettings = "[BRAVUS]\r\n"
                                       "SOURCE_STROW=01\r\n"
                                       "SOURCE_ENDROW=09\r\n"
                                       "SOURCE_DIGITROW=2\r\n"
                                       "SOURCE_PLUS=3\r\n"
                                       "SOURCE_PLUL=5\r\n"
                                       "SOURCE_PRICES=8\r\n"
                                       "SOURCE_PRICEL=4\r\n"
                                       "SOURCE_DESCS=3\r\n"
                                       "SOURCE_DESCL=10\r\n"
                                       "[ISHIDA BC-3000]\r\n"
                                       "TARGET_FIELD1=A\r\n"
                                       "TARGET_FIELD2=B\r\n"
                                       "TARGET_FIELD3=C\r\n";

class TextConversion : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingFrontend frontend;

    // overrides: keys of [BRAVUS] stored over the sample settings.
    bool convert(std::string_view input, std::string_view settingsText = SampleSettings,
                 std::vector<std::pair<std::string, std::string>> overrides = {}) {
        folder.write("Scale.ini", settingsText);
        folder.write("Bravus.txt", input);
        IniFile settings(folder.path() / "Scale.ini");
        for (const auto& [key, value] : overrides)
            settings.writeString("BRAVUS", key, value);
        Session session{folder.str(), settings, ""};
        ConvertRequest request{"BRAVUS", "ISHIDA BC-3000", (folder.path() / "Bravus.txt").string(),
                               (folder.path() / "Out.txt").string()};
        return runTextConversion(request, session, frontend);
    }
    std::string output() const { return folder.read("Out.txt"); }
};

} // namespace

TEST_F(TextConversion, SampleItem) {
    ASSERT_TRUE(convert("01123450199\r\n05 skipped\r\n09APPLE RED\r\n"));
    std::string line = "12345,A,0199,0199,B,\"APPLE RED\",\"012345\",\"00000012345\",\"C\","
                       "\"\x1b"
                       "APPLE RED\"";
    EXPECT_EQ(output(), line + "\r\n");
    EXPECT_EQ(frontend.memo1, (std::vector<std::string>{"# 1", "01123450199", "09APPLE RED"}));
    EXPECT_EQ(frontend.memo2, (std::vector<std::string>{"# 1", line}));
    EXPECT_EQ(frontend.progress, (std::vector<int>{33, 67, 100}));
    EXPECT_TRUE(frontend.boxes.empty());
    EXPECT_FALSE(frontend.progressShown);
}

TEST_F(TextConversion, ItemsFormFromMarkedLines) {
    struct Case {
        const char* name;
        const char* input;
        std::vector<std::pair<std::string, std::string>> overrides;
        const char* output;
    } cases[] = {
        {"empty input", "", {}, ""},
        {"no end line", "01123450199\r\n05x\r\n", {}, ""},
        {"end line without start line", "09APPLE\r\n", {}, ""},
        {"second start line replaces the first",
         "0111111\r\n0122222\r\n09X\r\n",
         {},
         "22222,A,,,B,\"X\",\"022222\",\"00000022222\",\"C\",\"\x1bX\"\r\n"},
        {"LF line ends, 1A ends the text",
         "01123450199\n09PEAR\n\x1a"
         "0199999\n09Y\n",
         {},
         "12345,A,0199,0199,B,\"PEAR\",\"012345\",\"00000012345\",\"C\",\"\x1bPEAR\"\r\n"},
        {"last line without line break",
         "01123450199\r\n09FIG",
         {},
         "12345,A,0199,0199,B,\"FIG\",\"012345\",\"00000012345\",\"C\",\"\x1b"
         "FIG\"\r\n"},
        {"start marker equal to end marker",
         "0912345\r\n0967890\r\n",
         {{"SOURCE_STROW", "09"}},
         "12345,A,,,B,\"12345\",\"012345\",\"00000012345\",\"C\",\"\x1b"
         "12345\"\r\n"
         "67890,A,,,B,\"67890\",\"067890\",\"00000067890\",\"C\",\"\x1b"
         "67890\"\r\n"},
        {"first line shorter than the price position",
         "0112345\r\n09X\r\n",
         {},
         "12345,A,,,B,\"X\",\"012345\",\"00000012345\",\"C\",\"\x1bX\"\r\n"},
        {"position 0 counts as 1",
         "01123450199\r\n09X\r\n",
         {{"SOURCE_PLUS", "0"}},
         "01123,A,0199,0199,B,\"X\",\"001123\",\"00000001123\",\"C\",\"\x1bX\"\r\n"},
        {"lengths 0",
         "01123450199\r\n09X\r\n",
         {{"SOURCE_PLUL", "0"}, {"SOURCE_PRICEL", "0"}, {"SOURCE_DESCL", "0"}},
         ",A,,,B,\"\",\"0\",\"000000\",\"C\",\"\x1b\"\r\n"},
        {"bytes above 127 pass unchanged",
         "01123450199\r\n09\xC9T\xC9\r\n",
         {},
         "12345,A,0199,0199,B,\"\xC9T\xC9\",\"012345\",\"00000012345\",\"C\","
         "\"\x1b\xC9T\xC9\"\r\n"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(convert(c.input, SampleSettings, c.overrides)) << c.name;
        EXPECT_EQ(output(), c.output) << c.name;
    }
}

TEST_F(TextConversion, SymbolPresentButEmptyLeavesTheDescriptionAlone) {
    std::string settingsText = std::string(SampleSettings) + "TARGET_SYMBOL=\r\n";
    ASSERT_TRUE(convert("01123450199\r\n09APPLE RED\r\n", settingsText));
    EXPECT_EQ(output(), "12345,A,0199,0199,B,\"APPLE RED\",\"012345\",\"00000012345\",\"C\","
                        "\"APPLE RED\"\r\n");
}

TEST_F(TextConversion, RewritesTheOutputOnEveryRun) {
    ASSERT_TRUE(convert("01123450199\r\n09APPLE RED\r\n"));
    ASSERT_TRUE(convert("01123450199\r\n09APPLE RED\r\n"));
    EXPECT_EQ(frontend.memo2.size(), 2u);
    EXPECT_EQ(output().find("\r\n"), output().size() - 2);
}

TEST_F(TextConversion, BadSettingsEndTheRunBeforeAnyFileIsTouched) {
    folder.write("Out.txt", "old");
    struct Case {
        const char* settingsText;
        const char* report;
    } cases[] = {
        {"[BRAVUS]\r\nSOURCE_STROW=01\r\n", "Pondus: '' is not a valid integer value."},
        {"[BRAVUS]\r\nSOURCE_DIGITROW=2\r\nSOURCE_PRICEL=four\r\n",
         "Pondus: 'four' is not a valid integer value."},
    };
    for (const Case& c : cases) {
        frontend.boxes.clear();
        EXPECT_FALSE(convert("01123450199\r\n09APPLE RED\r\n", c.settingsText));
        EXPECT_EQ(frontend.boxes, std::vector<std::string>{c.report});
        EXPECT_EQ(output(), "old");
        EXPECT_FALSE(frontend.progressShown);
    }
}

TEST_F(TextConversion, MissingInputIsReportedAndNoOutputIsCreated) {
    folder.write("Scale.ini", SampleSettings);
    IniFile settings(folder.path() / "Scale.ini");
    Session session{folder.str(), settings, ""};
    std::string missing = (folder.path() / "None.txt").string();
    ConvertRequest request{"BRAVUS", "ISHIDA BC-3000", missing,
                           (folder.path() / "Out.txt").string()};
    EXPECT_FALSE(runTextConversion(request, session, frontend));
    EXPECT_EQ(frontend.boxes, std::vector<std::string>{"Pondus: Cannot open file \"" + missing +
                                                       "\". No such file or directory."});
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Out.txt"));
}

TEST_F(TextConversion, UnwritableOutputIsReported) {
    folder.write("Scale.ini", SampleSettings);
    folder.write("Bravus.txt", "01123450199\r\n09APPLE RED\r\n");
    IniFile settings(folder.path() / "Scale.ini");
    Session session{folder.str(), settings, ""};
    // A file stands where the output's folder should be.
    std::string target = (folder.path() / "Bravus.txt" / "Out.txt").string();
    ConvertRequest request{"BRAVUS", "ISHIDA BC-3000", (folder.path() / "Bravus.txt").string(),
                           target};
    EXPECT_FALSE(runTextConversion(request, session, frontend));
    EXPECT_EQ(frontend.boxes, std::vector<std::string>{"Pondus: Cannot create file \"" + target +
                                                       "\". Not a directory."});
    EXPECT_FALSE(frontend.progressShown);
}
