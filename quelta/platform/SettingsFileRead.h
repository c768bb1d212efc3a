#pragma once

#include "SettingsDocument.h"

#include <QString>

namespace quelta {

// What reading one settings file found. "Cannot read" is never "absent": a file that is there
// but unreadable must not be written over.
struct SettingsFileRead {
    enum class Outcome { absent, document, notADocument, tooLarge, unreadable };

    // A larger file is no settings document Quelta wrote; it is judged by its size, unread.
    static constexpr qint64 largestFile = 16 << 20;

    static SettingsFileRead of(const QString &path);

    Outcome outcome = Outcome::absent;
    SettingsDocument::Contents contents;
    // Why an unreadable file could not be read.
    QString problem;
};

} // namespace quelta
