#include "ExecutableLocator.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSet>

#include <pwd.h>
#include <unistd.h>

namespace quelta {

namespace {

QStringList withoutDuplicates(const QStringList &paths)
{
    QStringList unique;
    QSet<QString> seen;
    for (const QString &path : paths) {
        if (!seen.contains(path)) {
            seen.insert(path);
            unique.append(path);
        }
    }
    return unique;
}

QStringList subdirectoryEntries(const QString &directory)
{
    // Unsorted, as the directory lists them; an unreadable folder contributes nothing.
    return QDir(directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

QString currentUserName()
{
    if (const passwd *entry = ::getpwuid(::getuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

ExecutableSearch ExecutableSearch::current()
{
    return ExecutableSearch{QDir::homePath(), qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts)};
}

QStringList executableSearchDirectories(const ExecutableSearch &search)
{
    const QString &home = search.home;
    QStringList directories{
        home + QLatin1String("/.local/bin"),
        home + QLatin1String("/.volta/bin"),
        home + QLatin1String("/.bun/bin"),
        home + QLatin1String("/.asdf/shims"),
        home + QLatin1String("/.local/share/mise/shims"),
        home + QLatin1String("/Library/pnpm"),
        QStringLiteral("/opt/homebrew/bin"),
        QStringLiteral("/usr/local/bin"),
        QStringLiteral("/usr/bin"),
        QStringLiteral("/bin"),
        QStringLiteral("/usr/sbin"),
        QStringLiteral("/sbin"),
    };
    directories += search.path;
    return withoutDuplicates(directories);
}

QStringList nodeVersionCandidates(const QString &name, const QString &home)
{
    QStringList candidates;
    const QString nvm = home + QLatin1String("/.nvm/versions/node");
    for (const QString &entry : subdirectoryEntries(nvm))
        candidates.append(nvm + QLatin1Char('/') + entry + QLatin1String("/bin/") + name);
    const QString fnm = home + QLatin1String("/.local/share/fnm/node-versions");
    for (const QString &entry : subdirectoryEntries(fnm))
        candidates.append(fnm + QLatin1Char('/') + entry + QLatin1String("/installation/bin/") + name);
    return candidates;
}

std::optional<QString> locateExecutable(const QString &name, const QStringList &preferredCandidates, const ExecutableSearch &search)
{
    QStringList candidates = preferredCandidates;
    for (const QString &directory : executableSearchDirectories(search))
        candidates.append(directory + QLatin1Char('/') + name);
    candidates += nodeVersionCandidates(name, search.home);

    for (const QString &candidate : withoutDuplicates(candidates)) {
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

QMap<QString, QString> childProcessEnvironment(const QString &executable, const ExecutableSearch &search)
{
    const QProcessEnvironment inherited = QProcessEnvironment::systemEnvironment();
    QMap<QString, QString> environment;
    for (const QString &key : inherited.keys())
        environment.insert(key, inherited.value(key));

    const QStringList path = withoutDuplicates(QStringList{QFileInfo(executable).absolutePath()}
                                               + executableSearchDirectories(search));
    environment.insert(QStringLiteral("PATH"), path.join(QLatin1Char(':')));
    environment.insert(QStringLiteral("HOME"), search.home);
    const QString user = currentUserName();
    environment.insert(QStringLiteral("USER"), user);
    environment.insert(QStringLiteral("LOGNAME"), user);
    return environment;
}

} // namespace quelta
