// InstallQuelta: one window that installs the signed Quelta bundle it carries.
#include "engine/InstallEngine.h"
#include "window/InstallerModel.h"
#include "window/InstallerStyle.h"
#include "window/InstallerWindow.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Install Quelta"));
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
