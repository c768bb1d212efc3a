#pragma once

#include <QString>

// The installer window in each of its states, as PNG files in folder.
void renderInstaller(const QString &folder);
