#include "LoginItem.h"

#include "PlatformLogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace quelta {

namespace {

// Exec takes its program quoted, with the characters the desktop entry format reserves escaped.
QString quotedForExec(const QString &program)
{
    QString escaped = program;
    for (const QString &special : {QStringLiteral("\\\\"), QStringLiteral("\""), QStringLiteral("`"), QStringLiteral("$")})
        escaped.replace(special, QLatin1Char('\\') + special);
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

LoginItem::LoginItem(QString configHome, QString executable)
    : m_configHome(std::move(configHome))
    , m_executable(std::move(executable))
{
}

LoginItem LoginItem::standard()
{
    return LoginItem(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), QCoreApplication::applicationFilePath());
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
    QDir().mkpath(QFileInfo(entryPath()).absolutePath());
    QSaveFile entry(entryPath());
    const QByteArray content = QByteArrayLiteral("[Desktop Entry]\nType=Application\nName=Quelta\nExec=")
        + quotedForExec(m_executable).toUtf8() + QByteArrayLiteral("\nIcon=app.quelta.Quelta\nX-GNOME-Autostart-enabled=true\n");
    const bool written = entry.open(QIODevice::WriteOnly) && entry.write(content) == content.size() && entry.commit();
    if (!written)
        qCWarning(lcSettings) << "the autostart entry could not be written:" << entry.errorString();
    return written;
}

} // namespace quelta
