#pragma once

#include <QString>
#include <QStringList>

namespace quelta {

// Where a notification server looks for the application's icon: the hicolor theme in the system's
// data folders, and the icon's own file, which a server is sent where that search would fail
// (a build tree, a home or bundle installation). `current()` is this program's.
struct NotificationIconSource {
    QStringList themeDataDirectories;
    QString file;

    static NotificationIconSource current();
};

// Whether `name` is an application icon (SVG or PNG, any size) of the hicolor theme in one of
// `dataDirectories`.
bool hicolorThemeHasIcon(const QString &name, const QStringList &dataDirectories);

} // namespace quelta
