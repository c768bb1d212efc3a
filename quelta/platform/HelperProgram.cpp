#include "HelperProgram.h"

#include <QDir>
#include <QFileInfo>

namespace quelta {

QString helperProgramPath(const QString &programDirectory, const QString &name)
{
    const QDir programs(programDirectory);
    const QString beside = programs.filePath(name);
    // The install rules put helpers there; keep the two in step.
    const QString installed = QDir::cleanPath(programs.filePath(QLatin1String("../libexec/quelta/") + name));
    for (const QString &candidate : {beside, installed}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isExecutable())
            return candidate;
    }
    return beside;
}

} // namespace quelta
