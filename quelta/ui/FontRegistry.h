#pragma once

#include <QString>

namespace quelta {

// Registers the Geist faces (Regular, Medium, SemiBold) found in `directory` for this process;
// missing files are skipped. Answers how many were registered.
int registerFonts(const QString &directory);

// Where the application's fonts are: share/quelta/fonts beside the program's bin folder, in the
// build tree and when installed alike.
QString applicationFontDirectory();

} // namespace quelta
