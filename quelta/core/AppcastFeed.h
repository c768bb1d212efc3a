#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

namespace quelta {

// A release's two versions: the short one people read ("0.2.0", CFBundleShortVersionString) and
// the build number that counts every build (CFBundleVersion). A feed may give either or both.
struct ReleaseVersion {
    std::optional<QString> shortVersion;
    std::optional<QString> build;

    // The short version, else the build.
    QString displayed() const;
    bool operator==(const ReleaseVersion &) const = default;
};

// One release announced by the update feed; its download page is always an https address.
struct AppcastRelease {
    ReleaseVersion version;
    QUrl downloadPage;
    bool operator==(const AppcastRelease &) const = default;
};

// The newest release of an RSS appcast: each item carries its versions (elements or enclosure
// attributes named shortVersionString and version, the build, in any namespace) and a download
// link (the item's link, else its enclosure's url) that must be https. Items without a version or
// such a link are passed over. Nothing when the feed cannot be read or offers no release.
std::optional<AppcastRelease> newestRelease(const QByteArray &feed);

// Short version with short version, and where those are equal or either is missing, build with
// build where both sides have one. Negative, zero or positive like strcmp; zero also when the two
// have nothing to compare.
int compareReleases(const ReleaseVersion &left, const ReleaseVersion &right);

// Numeric comparison, part by part ("1.10" is newer than "1.9"; missing parts count as 0), and a
// pre-release after "-" sorts before its release ("2.0-beta" before "2.0", "2.0-beta.2" before
// "2.0-beta.10", "2.0-alpha" before "2.0-beta"): negative, zero or positive like strcmp.
int compareVersions(const QString &left, const QString &right);

// The feedback form's address with exactly three query items, in order: source, app_version
// ("Unknown" without a version) and macos_version (the system's name).
QUrl feedbackAddress(const QUrl &form, const std::optional<QString> &appVersion, const QString &systemName);

} // namespace quelta
