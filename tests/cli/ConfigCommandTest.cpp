#include "cli/Cli.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

using namespace pondus;
using pondus::test::TempFolder;

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result runCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace

TEST(ConfigCommand, SetThenGetThroughTheSettingsFile) {
    TempFolder folder;
    Result set = runCli({"--app-dir", folder.str(), "config", "set", "CAS CL5000J", "Dept", "1"});
    EXPECT_EQ(set.code, 0);
    EXPECT_EQ(folder.read("Scale.ini"), "[CAS CL5000J]\r\nDept=1\r\n");
    Result get = runCli({"--app-dir", folder.str(), "config", "get", "cas cl5000j", "DEPT"});
    EXPECT_EQ(get.code, 0);
    EXPECT_EQ(get.out, "1\n");
    Result fallback = runCli({"--app-dir", folder.str(), "config", "get", "X", "Y", "--default", "d"});
    EXPECT_EQ(fallback.out, "d\n");
}

TEST(ConfigCommand, UsesScaleBIniWhenItExists) {
    TempFolder folder;
    folder.write("ScaleB.ini", "[GENERAL]\r\nFILE_LOG=Y\r\n");
    EXPECT_EQ(runCli({"--app-dir", folder.str(), "config", "get", "GENERAL", "FILE_LOG"}).out, "Y\n");
}

TEST(ConfigCommand, ReadOnlySettingsFileIsAFailure) {
    TempFolder folder;
    auto path = folder.write("Scale.ini", "[GENERAL]\r\n");
    ::chmod(path.c_str(), 0444);
    Result set = runCli({"--app-dir", folder.str(), "config", "set", "GENERAL", "K", "V"});
    EXPECT_EQ(set.code, 1);
    EXPECT_EQ(set.err, "Unable to write to " + path.string() + ".\n");
}

TEST(ConfigCommand, UsageErrors) {
    TempFolder folder;
    EXPECT_EQ(runCli({}).code, 2);
    EXPECT_EQ(runCli({"--app-dir"}).code, 2);
    EXPECT_EQ(runCli({"--app-dir", folder.str(), "config", "get", "S"}).code, 2);
    EXPECT_EQ(runCli({"--app-dir", folder.str(), "config", "set", "S", "K"}).code, 2);
    EXPECT_EQ(runCli({"--app-dir", folder.str(), "frobnicate"}).code, 2);
}
