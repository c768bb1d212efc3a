#pragma once

#include <QDateTime>
#include <QStringList>
#include <QTextStream>

namespace quelta {

// `quelta history [options]` against the record in `historyFile`, told at `now`: prints the
// record as a table, CSV or JSON, or imports an export. 0 done, 1 the record could not be
// used, 2 bad input.
int runHistoryCommand(const QStringList &arguments, const QString &historyFile, const QDateTime &now, QTextStream &out,
                      QTextStream &err);

QString historyUsage();

} // namespace quelta
