#include "FontRegistry.h"

#include <QCoreApplication>
#include <QDir>
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
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/quelta/fonts"));
}

} // namespace quelta
