#pragma once

#include <QLocale>
#include <QProcessEnvironment>
#include <QStringList>

namespace session {

// The language of the session, as gettext programs read it: LANGUAGE (a colon list, first one
// we have wins), then the first of LC_ALL, LC_MESSAGES and LANG that is set, which when C or
// POSIX overrides LANGUAGE. `shipped` names the translations there are ("de", "pt_BR",
// "zh_CN"). A language we do not have gives English; a territory we do not have falls back to the same language in the same script,
// so Portugal reads Brazilian Portuguese but Taiwan does not read Simplified Chinese.
QLocale sessionLocale(const QProcessEnvironment &environment, const QStringList &shipped);

} // namespace session
