#include "DesktopEntry.h"

#include "BundleInformation.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace installer {

namespace {

// An argument of Exec: quoted, with the characters the format reserves escaped, then escaped
// once more as a string value; "%" would start a field code.
QString execArgument(const QString &path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

std::optional<QString> desktopEntryText(const QString &bundle)
{
    if (hasControlCharacter(bundle))
        return std::nullopt;
    QString icon = bundleIcon(bundle);
    icon.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Quelta\n"
                          "GenericName=Usage allowances\n"
                          "Comment=See how much of your AI allowances is left\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "Categories=Utility;\n"
                          "StartupNotify=false\n")
        .arg(execArgument(bundleExecutable(bundle)), icon);
}

QString standardDesktopEntryDirectory(const QString &bundle)
{
    if (bundle.startsWith(QLatin1String("/opt/")))
        return QStringLiteral("/usr/local/share/applications");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1String("/applications");
}

bool writeDesktopEntry(const QString &bundle, const QString &directory)
{
    const std::optional<QString> text = desktopEntryText(bundle);
    if (!text || !QDir().mkpath(directory))
        return false;
    QSaveFile file(QDir(directory).filePath(QLatin1String(desktopEntryFileName)));
    const QByteArray contents = text->toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit();
}

} // namespace installer
