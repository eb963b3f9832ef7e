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
