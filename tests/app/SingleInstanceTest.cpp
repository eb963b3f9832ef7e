#include "platform/Platform.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace pondus::test {

TEST(SingleInstance, SecondStartEndsAtOnceWithExitCodeZero) {
    TempFolder lockFolder;
    TempFolder app;
    ::setenv("TMPDIR", lockFolder.str().c_str(), 1);
    auto first = InstanceLock::acquire("POS_SCALE_BRIDGE");
    ::unsetenv("TMPDIR");
    ASSERT_TRUE(first);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", QString::fromStdString(lockFolder.str()));
    environment.insert("PONDUS_APP_DIR", QString::fromStdString(app.str()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(PONDUS_EXE, {});
    ASSERT_TRUE(second.waitForStarted());
    // A second start that opened a window would wait for the operator.
    if (!second.waitForFinished(30000)) {
        second.kill();
        second.waitForFinished();
        FAIL() << "the second start did not end";
    }
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    // Nothing of the program ran: not even the language folder was made.
    EXPECT_FALSE(std::filesystem::exists(app.path() / "System"));
}

} // namespace pondus::test
