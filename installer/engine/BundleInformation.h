#pragma once

#include <QString>

namespace installer {

// The bundle's build version (CFBundleVersion in Contents/Info.json) when it is a string, else "0".
QString bundleVersion(const QString &bundle);

// Where a bundle keeps its executable, its icon and its information.
QString bundleExecutable(const QString &bundle);
QString bundleIcon(const QString &bundle);

} // namespace installer
