#pragma once

#include <QString>

namespace quelta {

// Where a helper program of Quelta's lives, given the folder of the running program: beside it
// (the build tree, Quelta.app), else in `../libexec/quelta/` (an installed prefix such as /usr).
// Where neither holds an executable file, the path beside the program, for messages to name.
QString helperProgramPath(const QString &programDirectory, const QString &name);

// The program people start, `quelta`, seen from itself or from a helper it started: beside the
// running program, or `<prefix>/bin/quelta` when it runs from `<prefix>/libexec/quelta/`. What
// must name or sit beside the launcher (the login item, shared data) asks this, not the running
// program's own path.
QString launcherProgramPath(const QString &programDirectory);

} // namespace quelta
