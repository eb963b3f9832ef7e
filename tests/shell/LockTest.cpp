#include "platform/Platform.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pondus;

namespace {

// Whether a separate process can take the lock right now.
bool otherProcessCanLock(const std::string& name) {
    pid_t child = ::fork();
    if (child == 0)
        ::_exit(InstanceLock::acquire(name) ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TEST(InstanceLock, OnlyOneProcessHoldsItAndItIsFreedWithTheHolder) {
    test::TempFolder folder;
    ::setenv("TMPDIR", folder.str().c_str(), 1);
    {
        auto lock = InstanceLock::acquire("POS_SCALE_BRIDGE");
        ASSERT_TRUE(lock);
        EXPECT_FALSE(InstanceLock::acquire("POS_SCALE_BRIDGE"));
        EXPECT_FALSE(otherProcessCanLock("POS_SCALE_BRIDGE"));
    }
    EXPECT_TRUE(otherProcessCanLock("POS_SCALE_BRIDGE"));
    ::unsetenv("TMPDIR");
}

TEST(InstanceLock, LockFileLeftByAnotherUserDoesNotBlockTheNextStart) {
    test::TempFolder folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(folder.write("POS_SCALE_BRIDGE", ""),
                                 std::filesystem::perms(0444));
    ::setenv("TMPDIR", folder.str().c_str(), 1);
    pid_t child = ::fork();
    if (child == 0) {
        // Root writes any file: the other user must be a real one.
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(2);
        ::_exit(InstanceLock::acquire("POS_SCALE_BRIDGE") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::unsetenv("TMPDIR");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
