#include "ChildProcesses.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace quelta::test {

QList<int> childProcessIds()
{
    QList<int> children;
    const QString self = QString::number(::getpid());
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const int pid = entry.toInt(&numeric);
        if (!numeric)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid ..."; comm may hold spaces, so split after the last ')'.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1) == self.toLatin1())
            children.append(pid);
    }
    return children;
}

} // namespace quelta::test
