#pragma once

#include <QStringList>
#include <QTextStream>

namespace quelta {

class AccountBook;

// `quelta accounts [add|remove|track|untrack …]` on `book`: lists the accounts found and added,
// with the folders left out and why, or changes them. Returns the exit status: 0 done, 1 not
// possible now, 2 bad input, said on `err`.
int runAccountsCommand(const QStringList &arguments, AccountBook &book, QTextStream &out, QTextStream &err);

QString accountsUsage();

} // namespace quelta
