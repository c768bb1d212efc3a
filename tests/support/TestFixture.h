#pragma once

#include "ManualClock.h"

#include "platform/ExecutableLocator.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quelta::test {

// What most tests start from: a temporary folder, a settings store in it, a manual clock, and a
// home folder of its own where the vendor tools' stand-ins live. Nothing touches the test
// process's own environment.
struct Fixture {
    QTemporaryDir directory;
    SettingsStore store{directory.filePath(QStringLiteral("config"))};
    ManualClock clock;

    QString home(const QString &relative = {}) const
    {
        const QString root = directory.filePath(QStringLiteral("home"));
        return relative.isEmpty() ? root : root + QLatin1Char('/') + relative;
    }

    // Finds the stand-ins in the home's .local/bin before anything installed on the machine.
    ExecutableSearch search() const { return ExecutableSearch{home(), {}}; }

    void writeHomeFile(const QString &relative, const QByteArray &content) const
    {
        QDir().mkpath(QFileInfo(home(relative)).absolutePath());
        QFile file(home(relative));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }

    // Puts `program` into the home's .local/bin as `name`.
    bool installStandIn(const QString &name, const QString &program) const
    {
        QDir().mkpath(home(QStringLiteral(".local/bin")));
        return QFile::link(program, home(QStringLiteral(".local/bin/") + name));
    }
};

} // namespace quelta::test
