#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace quelta {

// The first candidate that is an executable file: the preferred candidates, then every search
// directory joined with `name`, then the node version managers' installations.
std::optional<QString> locateExecutable(const QString &name, const QStringList &preferredCandidates = {});

// The fixed list of user and system tool folders, then this process's PATH; no duplicates.
QStringList executableSearchDirectories();

// `name` inside each nvm and fnm node installation, in directory-listing order.
QStringList nodeVersionCandidates(const QString &name);

// The environment for the vendor tools: ours, with a PATH that finds their siblings first.
QMap<QString, QString> childProcessEnvironment(const QString &executable);

// The login name of the user running this process.
QString currentUserName();

} // namespace quelta
