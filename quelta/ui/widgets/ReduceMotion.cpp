#include "ReduceMotion.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace quelta {

namespace {

bool gnomeDisablesAnimations()
{
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty())
        return false;
    QProcess query;
    query.start(gsettings, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations")});
    return query.waitForFinished(1000) && query.readAllStandardOutput().trimmed() == "false";
}

bool kdeDisablesAnimations()
{
    const QString path = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (path.isEmpty())
        return false;
    const QSettings kdeglobals(path, QSettings::IniFormat);
    return kdeglobals.value(QStringLiteral("KDE/AnimationDurationFactor"), 1.0).toDouble() == 0.0;
}

bool readReduceMotion()
{
    if (qEnvironmentVariable("GTK_ENABLE_ANIMATIONS") == QLatin1String("0"))
        return true;
    return kdeDisablesAnimations() || gnomeDisablesAnimations();
}

} // namespace

bool reduceMotion()
{
    static const bool reduced = readReduceMotion();
    return reduced;
}

} // namespace quelta
