#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace quelta {

// Where to look for a tool: the user's home and the PATH to search. `current()` is this
// process's; tests pass a temporary home instead of changing their own environment.
struct ExecutableSearch {
    QString home;
    QStringList path;

    static ExecutableSearch current();
    bool operator==(const ExecutableSearch &) const = default;
};

// The first candidate that is an executable file: the preferred candidates, then every search
// directory joined with `name`, then the node version managers' installations.
std::optional<QString> locateExecutable(const QString &name, const QStringList &preferredCandidates, const ExecutableSearch &search);

// The fixed list of user and system tool folders, then the search PATH; no duplicates.
QStringList executableSearchDirectories(const ExecutableSearch &search);

// `name` inside each nvm and fnm node installation under `home`, in directory-listing order.
QStringList nodeVersionCandidates(const QString &name, const QString &home);

// The environment for a tool: this process's, with the search home and a PATH that finds the
// tool's siblings first.
QMap<QString, QString> childProcessEnvironment(const QString &executable, const ExecutableSearch &search);

// The login name of the user running this process.
QString currentUserName();

} // namespace quelta
