#include "base/Error.h"
#include "platform/Platform.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

int main(int argc, char** argv) {
    // Before anything else: a second copy ends at once, silently.
    auto lock = pondus::InstanceLock::acquire(pondus::InstanceLockName);
    if (!lock)
        return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName(pondus::ApplicationTitle);

    std::string appFolder = pondus::appFolderFromEnvironment();
    try {
        if (!pondus::changeCurrentFolder(appFolder.empty() ? "/" : appFolder))
            throw pondus::Error("Cannot open the app folder " + appFolder);
        pondus::ensureLanguageFolder(appFolder);
    } catch (const pondus::Error& error) {
        QMessageBox::critical(nullptr, "Application Error", QString::fromLocal8Bit(error.what()));
        return 1;
    }

    QMainWindow window;
    window.setWindowTitle("Pondus v10.4.2.3");
    window.show();
    return application.exec();
}
