#include "platform/Paths.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pondus;
using pondus::test::TempFolder;

TEST(Paths, BackslashNamesMatchExistingFoldersWithoutRegardToCase) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "Scale" / "CAS");
    std::string base = folder.str();
    EXPECT_EQ(resolveName(base + "\\Scale\\Cas\\Plu-Down2-CL5000J.txt"),
              folder.path() / "Scale" / "CAS" / "Plu-Down2-CL5000J.txt");
    EXPECT_EQ(resolveName(base + "\\scale\\New\\x.txt"), folder.path() / "Scale" / "New" / "x.txt");
}

TEST(Paths, CreatesFoldersAsSpelledBelowExistingOnes) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "LOG");
    ASSERT_TRUE(createFolders(joinName(folder.str(), "Log\\Temp")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "LOG" / "Temp"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Log"));
    EXPECT_TRUE(folderExists(joinName(folder.str(), "log\\temp")));
}

TEST(Paths, FolderCannotBeCreatedBelowAFile) {
    TempFolder folder;
    folder.write("System", "a file, not a folder");
    EXPECT_FALSE(createFolders(joinName(folder.str(), "System\\Setting\\Language")));
}
