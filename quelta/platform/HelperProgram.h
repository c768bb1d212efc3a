#pragma once

#include <QString>

namespace quelta {

// Where a helper program of Quelta's lives, given the folder of the running program: beside it
// (the build tree, Quelta.app), else in `../libexec/quelta/` (an installed prefix such as /usr).
// Where neither holds an executable file, the path beside the program, for messages to name.
QString helperProgramPath(const QString &programDirectory, const QString &name);

} // namespace quelta
