#pragma once

#include <QString>
#include <QStringList>

namespace quelta {

// Replaces this process with `program`, given `arguments` after its own path: the process keeps
// its id, its environment and its open standard streams. Returns only when that fails, with the
// system's reason.
QString execProgram(const QString &program, const QStringList &arguments);

} // namespace quelta
