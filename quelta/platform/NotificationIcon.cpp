#include "NotificationIcon.h"

#include "HelperProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quelta {

namespace {
const QString iconFileName = QStringLiteral("app.quelta.Quelta.svg");
}

NotificationIconSource NotificationIconSource::current()
{
    // Servers search the system's data folders only, not the user's own.
    QString dataDirectories = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirectories.isEmpty())
        dataDirectories = QStringLiteral("/usr/local/share:/usr/share");
    // Inside Quelta.app a resource of the bundle; installed or built, shared data beside the launcher.
    const QDir programs(QFileInfo(launcherProgramPath(QCoreApplication::applicationDirPath())).path());
    QString file = programs.absoluteFilePath(QStringLiteral("../Resources/") + iconFileName);
    if (!QFileInfo::exists(file))
        file = programs.absoluteFilePath(QStringLiteral("../share/icons/hicolor/scalable/apps/") + iconFileName);
    return {dataDirectories.split(QLatin1Char(':'), Qt::SkipEmptyParts), QDir::cleanPath(file)};
}

bool hicolorThemeHasIcon(const QString &name, const QStringList &dataDirectories)
{
    for (const QString &directory : dataDirectories) {
        const QDir theme(directory + QStringLiteral("/icons/hicolor"));
        for (const QString &size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const char *extension : {".svg", ".png"}) {
                if (QFileInfo::exists(theme.filePath(size + QStringLiteral("/apps/") + name + QLatin1String(extension))))
                    return true;
            }
        }
    }
    return false;
}

} // namespace quelta
