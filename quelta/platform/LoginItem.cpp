#include "LoginItem.h"

#include "HelperProgram.h"
#include "PlatformLogging.h"

#include "DesktopEntryWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace quelta {

LoginItem::LoginItem(QString configHome, QString executable)
    : m_configHome(std::move(configHome))
    , m_executable(std::move(executable))
{
}

LoginItem LoginItem::standard()
{
    return LoginItem(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                     launcherProgramPath(QCoreApplication::applicationDirPath()));
}

QString LoginItem::entryPath() const
{
    return m_configHome + QLatin1String("/autostart/app.quelta.Quelta.desktop");
}

bool LoginItem::isEnabled() const
{
    QFile entry(entryPath());
    if (!entry.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : entry.readAll().split('\n')) {
        if (line.trimmed().replace(' ', "") == "Hidden=true")
            return false;
    }
    return true;
}

bool LoginItem::setEnabled(bool enabled)
{
    if (!enabled) {
        const bool removed = !QFile::exists(entryPath()) || QFile::remove(entryPath());
        if (!removed)
            qCWarning(lcSettings) << "the autostart entry could not be removed:" << entryPath();
        return removed;
    }
    xdg::DesktopEntryWriter entry;
    entry.addString("Type", QStringLiteral("Application"));
    entry.addString("Name", QStringLiteral("Quelta"));
    entry.addExec(m_executable);
    entry.addString("Icon", QStringLiteral("app.quelta.Quelta"));
    entry.addString("X-GNOME-Autostart-enabled", QStringLiteral("true"));
    const bool written = entry.write(entryPath());
    if (!written)
        qCWarning(lcSettings) << "the autostart entry could not be written:" << entryPath();
    return written;
}

} // namespace quelta
