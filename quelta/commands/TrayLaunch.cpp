#include "TrayLaunch.h"

#include <algorithm>

namespace quelta {

bool isTrayLaunch(const QStringList &arguments)
{
    static const QStringList launchOptions{QStringLiteral("--show-popover"), QStringLiteral("--show-onboarding")};
    return std::all_of(arguments.begin(), arguments.end(), [](const QString &argument) { return launchOptions.contains(argument); });
}

} // namespace quelta
