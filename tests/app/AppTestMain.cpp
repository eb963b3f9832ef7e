#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The test environment sets the offscreen platform; the listing of the
    // tests at build time runs without it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName("Pondus");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
