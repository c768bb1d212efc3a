#include "ChildProcesses.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace quelta::test {

namespace {

// Calls `visit(pid, fields)` for every process, where fields start at the state field of
// /proc/<pid>/stat ("pid (comm) state ppid pgrp ..."; comm may hold spaces).
template <typename Visitor>
void forEachProcess(Visitor visit)
{
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const int pid = entry.toInt(&numeric);
        if (!numeric)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        visit(pid, line.mid(line.lastIndexOf(')') + 2).split(' '));
    }
}

} // namespace

QList<int> childProcessIds()
{
    QList<int> children;
    const QByteArray self = QByteArray::number(::getpid());
    forEachProcess([&](int pid, const QList<QByteArray> &fields) {
        if (fields.size() > 1 && fields.at(1) == self)
            children.append(pid);
    });
    return children;
}

QList<int> processGroupMembers(int groupId)
{
    QList<int> members;
    const QByteArray group = QByteArray::number(groupId);
    forEachProcess([&](int pid, const QList<QByteArray> &fields) {
        if (fields.size() > 2 && fields.at(2) == group && fields.at(0) != "Z")
            members.append(pid);
    });
    return members;
}

} // namespace quelta::test
