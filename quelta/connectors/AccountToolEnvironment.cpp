#include "AccountToolEnvironment.h"

namespace quelta {

void pointToolAtFolder(QMap<QString, QString> &environment, ProviderID provider, const QString &folder, const QString &home)
{
    if (folder.isEmpty())
        return;
    switch (provider) {
    case ProviderID::codex:
        environment.insert(QStringLiteral("CODEX_HOME"), folder);
        return;
    case ProviderID::claudeCode:
        // Told of ~/.claude, the tool would look for its account file inside it, not beside it.
        if (folder == home + QLatin1String("/.claude"))
            environment.remove(QStringLiteral("CLAUDE_CONFIG_DIR"));
        else
            environment.insert(QStringLiteral("CLAUDE_CONFIG_DIR"), folder);
        return;
    case ProviderID::framer:
        return;
    }
}

} // namespace quelta
