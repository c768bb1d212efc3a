#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

namespace quelta {

// One release announced by the update feed.
struct AppcastRelease {
    QString version;
    QUrl downloadPage;
    bool operator==(const AppcastRelease &) const = default;
};

// The newest release of an RSS appcast: each item carries its version (an element or an
// enclosure attribute named version or shortVersionString, in any namespace) and a download
// link (the item's link, else its enclosure's url). Nothing when the feed cannot be read.
std::optional<AppcastRelease> newestRelease(const QByteArray &feed);

// Numeric comparison, part by part ("1.10" is newer than "1.9"; missing parts count as 0):
// negative, zero or positive like strcmp.
int compareVersions(const QString &left, const QString &right);

// The feedback form's address with exactly three query items, in order: source, app_version
// ("Unknown" without a version) and macos_version (the system's name).
QUrl feedbackAddress(const QUrl &form, const std::optional<QString> &appVersion, const QString &systemName);

} // namespace quelta
