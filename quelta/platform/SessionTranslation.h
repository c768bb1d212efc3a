#pragma once

class QCoreApplication;

namespace quelta {

// Speaks the session's language (SessionLanguage) from here on: Quelta's translation and Qt's
// own where installed, and numbers, percentages and dates in that locale. Call once, right after
// the application object exists.
void installSessionTranslation(QCoreApplication &app);

} // namespace quelta
