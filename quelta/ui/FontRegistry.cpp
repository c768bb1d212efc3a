#include "FontRegistry.h"

#include "platform/HelperProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

namespace quelta {

int registerFonts(const QString &directory)
{
    int registered = 0;
    for (const char *face : {"Geist-Regular", "Geist-Medium", "Geist-SemiBold"}) {
        const QString path = QDir(directory).filePath(QString::fromLatin1(face) + QLatin1String(".ttf"));
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
            ++registered;
    }
    return registered;
}

QString applicationFontDirectory()
{
    // Inside Quelta.app the fonts are resources of the bundle; installed or built, shared data.
    // Both sit beside the launcher, wherever the application program itself is.
    const QDir programs(QFileInfo(launcherProgramPath(QCoreApplication::applicationDirPath())).path());
    const QString bundled = programs.filePath(QStringLiteral("../Resources/fonts"));
    return QFileInfo(bundled).isDir() ? bundled : programs.filePath(QStringLiteral("../share/quelta/fonts"));
}

} // namespace quelta
