#include "CachedOwnMonitor.h"

#include "core/ProviderConnectorError.h"
#include "platform/Clock.h"

namespace quelta {

namespace {

QCoro::Task<void> noSignIn(AccountID)
{
    throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired);
    co_return;
}

} // namespace

CachedOwnMonitor::CachedOwnMonitor(const QString &settingsDirectory)
    : m_settings(settingsDirectory)
    , m_monitor(m_settings, Clock::system(), AllowanceMonitor::Dependencies{})
    , m_connection(m_monitor, noSignIn)
    , m_target(m_monitor, m_connection, {})
{
}

} // namespace quelta
