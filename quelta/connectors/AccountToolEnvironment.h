#pragma once

#include "core/ProviderAllowance.h"

#include <QMap>
#include <QString>

namespace quelta {

// Points a vendor tool's run at one account's folder: CODEX_HOME for Codex, CLAUDE_CONFIG_DIR for
// Claude Code. A folder the tool finds without being told (~/.claude) clears the variable, so
// that a value inherited by Quelta never reaches another account's run. An empty folder leaves
// the environment as it is.
void pointToolAtFolder(QMap<QString, QString> &environment, ProviderID provider, const QString &folder, const QString &home);

} // namespace quelta
