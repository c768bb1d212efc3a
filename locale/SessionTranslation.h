#pragma once

#include <QStringList>

class QCoreApplication;

namespace session {

// Speaks the session's language (SessionLanguage) from here on: the program's translations
// compiled in as ":/i18n/<catalog>_<language>.qm", the first catalog naming the languages there
// are, Qt's own where installed, and numbers, percentages and dates in that locale. Call once,
// right after the application object exists.
void installSessionTranslation(QCoreApplication &app, const QStringList &catalogs);

} // namespace session
