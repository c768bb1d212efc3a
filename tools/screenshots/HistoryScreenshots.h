#pragma once

#include <QString>

// The history window and a popover row with its sparkline, over five made-up weeks of use, as
// PNG files in folder, named for `scheme`.
void renderHistory(const QString &folder, const QString &scheme);
