// InstallQuelta: one window that installs the signed Quelta bundle it carries.
#include "engine/InstallEngine.h"
#include "window/InstallerModel.h"
#include "window/InstallerStyle.h"
#include "window/InstallerWindow.h"

#include "SessionTranslation.h"

#include <QApplication>
#include <QDir>

#include <fcntl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // Closed standard streams get /dev/null, lest the descriptors Qt opens next take their place.
    for (int descriptor; (descriptor = ::open("/dev/null", O_RDWR)) >= 0;) {
        if (descriptor > STDERR_FILENO) {
            ::close(descriptor);
            break;
        }
    }
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Install Quelta"));
    session::installSessionTranslation(application, {QStringLiteral("installquelta")});
    installer::style::registerFonts(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Resources")));

    installer::InstallerModel model(installer::InstallEngine{installer::InstallerModel::standardPayload()});
    installer::InstallerWindow window(model);
    QObject::connect(&model, &installer::InstallerModel::quitRequested, &application, &QApplication::quit);
    window.show();
    window.centre();
    window.raise();
    window.activateWindow();
    return application.exec();
}
