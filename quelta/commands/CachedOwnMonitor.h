#pragma once

#include "CommandProgram.h"
#include "ProviderConnection.h"

#include "core/AllowanceMonitor.h"
#include "platform/SettingsStore.h"

namespace quelta {

// What a command that shows the stored figures (`status --cached`, help, version) needs: the
// settings and a monitor that loads nothing. Commands that load or sign in run in the program
// that has the connectors.
class CachedOwnMonitor final : public OwnMonitor
{
public:
    explicit CachedOwnMonitor(const QString &settingsDirectory = SettingsStore::defaultDirectory());

    CommandTarget &target() override { return m_target; }
    SettingsStore &settings() override { return m_settings; }

private:
    SettingsStore m_settings;
    AllowanceMonitor m_monitor;
    ProviderConnection m_connection;
    LocalCommandTarget m_target;
};

} // namespace quelta
