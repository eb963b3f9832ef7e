#include "app/Artwork.h"
#include "app/Ishida.h"
#include "base/Error.h"
#include "platform/Platform.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    // Before anything else: a second copy ends at once, silently.
    auto lock = pondus::InstanceLock::acquire(pondus::InstanceLockName);
    if (!lock)
        return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName(pondus::ApplicationTitle);
    QApplication::setWindowIcon(pondus::applicationIcon());

    const std::string appFolder = pondus::appFolderFromEnvironment();
    try {
        if (!pondus::changeCurrentFolder(appFolder.empty() ? "/" : appFolder))
            throw pondus::Error("Cannot open the app folder " + appFolder);
        pondus::ensureLanguageFolder(appFolder);
    } catch (const pondus::Error& error) {
        QMessageBox::critical(nullptr, "Application Error", QString::fromLocal8Bit(error.what()));
        return 1;
    }

    pondus::TfrmPonder frmPonder(appFolder);
    frmPonder.show();
    return application.exec();
}
