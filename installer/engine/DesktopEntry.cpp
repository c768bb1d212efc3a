#include "DesktopEntry.h"

#include "BundleInformation.h"
#include "DesktopEntryWriter.h"

#include <QDir>
#include <QStandardPaths>

namespace installer {

namespace {

xdg::DesktopEntryWriter desktopEntry(const QString &bundle)
{
    xdg::DesktopEntryWriter entry;
    entry.addString("Type", QStringLiteral("Application"));
    entry.addString("Name", QStringLiteral("Quelta"));
    entry.addString("GenericName", QStringLiteral("Usage allowances"));
    entry.addString("Comment", QStringLiteral("See how much of your AI allowances is left"));
    entry.addExec(bundleExecutable(bundle));
    entry.addString("Icon", bundleIcon(bundle));
    entry.addString("Terminal", QStringLiteral("false"));
    entry.addString("Categories", QStringLiteral("Utility;"));
    entry.addString("StartupNotify", QStringLiteral("false"));
    return entry;
}

} // namespace

std::optional<QByteArray> desktopEntryText(const QString &bundle)
{
    return desktopEntry(bundle).text();
}

QString standardDesktopEntryDirectory(const QString &bundle)
{
    if (bundle.startsWith(QLatin1String("/opt/")))
        return QStringLiteral("/usr/local/share/applications");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1String("/applications");
}

bool writeDesktopEntry(const QString &bundle, const QString &directory)
{
    return desktopEntry(bundle).write(QDir(directory).filePath(QLatin1String(desktopEntryFileName)));
}

} // namespace installer
