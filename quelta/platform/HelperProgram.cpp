#include "HelperProgram.h"

#include <QDir>
#include <QFileInfo>

namespace quelta {

namespace {

// Where the install rules put helpers, relative to the launcher's folder; keep the two in step.
const QString installedHelpers = QStringLiteral("../libexec/quelta/");
const QString launcherName = QStringLiteral("quelta");

} // namespace

QString helperProgramPath(const QString &programDirectory, const QString &name)
{
    const QDir programs(programDirectory);
    const QString beside = programs.filePath(name);
    const QString installed = QDir::cleanPath(programs.filePath(installedHelpers + name));
    for (const QString &candidate : {beside, installed}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isExecutable())
            return candidate;
    }
    return beside;
}

QString launcherProgramPath(const QString &programDirectory)
{
    const QString folder = QDir::cleanPath(programDirectory);
    if (folder.endsWith(QLatin1String("/libexec/quelta")))
        return QDir::cleanPath(folder + QLatin1String("/../../bin/") + launcherName);
    return QDir(folder).filePath(launcherName);
}

} // namespace quelta
