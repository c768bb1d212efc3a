#include "QueltaBusService.h"

#include "AppLogging.h"
#include "AppServices.h"
#include "TrayShell.h"

#include "platform/DetachedTask.h"
#include "ui/cli/CommandTarget.h"
#include "ui/cli/RemoteCommandTarget.h"
#include "ui/cli/StatusReport.h"

#include <QDBusConnection>
#include <QJsonDocument>

namespace quelta {

QueltaBusService::QueltaBusService(QObject *host, AppServices &services, TrayShell &shell, LocalCommandTarget &target)
    : QDBusAbstractAdaptor(host)
    , m_services(services)
    , m_shell(shell)
    , m_target(target)
    , m_bus(QDBusConnection::sessionBus())
{
    connect(&m_target, &CommandTarget::reportChanged, this,
            [this](const QJsonObject &report) { Q_EMIT StateChanged(QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Compact))); });
    m_target.watch();
}

bool QueltaBusService::registerOn(QDBusConnection bus)
{
    m_bus = bus;
    return bus.registerService(queltaBus::service) && bus.registerObject(queltaBus::path, parent());
}

void QueltaBusService::ShowPopover()
{
    m_shell.showPopover(false);
}

void QueltaBusService::Refresh(bool manual, const QDBusMessage &message)
{
    message.setDelayedReply(true);
    auto answer = [](AppServices &services, bool manualRefresh, QDBusMessage request, QDBusConnection bus) -> QCoro::Task<void> {
        services.monitor().refresh(manualRefresh);
        co_await waitForRefresh(services.monitor());
        bus.send(request.createReply());
    };
    startDetached(answer(m_services, manual, message, m_bus), lcApp, "a refresh asked over D-Bus");
}

QString QueltaBusService::State()
{
    return QString::fromUtf8(QJsonDocument(statusJson(m_services.monitor())).toJson(QJsonDocument::Compact));
}

void QueltaBusService::Connect(const QString &provider, const QDBusMessage &message)
{
    const std::optional<ProviderID> id = fromRawValue<ProviderID>(provider);
    if (!id) {
        m_bus.send(message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("No provider named ") + provider));
        return;
    }
    message.setDelayedReply(true);
    auto answer = [](LocalCommandTarget &target, ProviderID which, QDBusMessage request, QDBusConnection bus) -> QCoro::Task<void> {
        const ConnectOutcome outcome = co_await target.connectProvider(which);
        bus.send(request.createReply(toRawValue(outcome)));
    };
    startDetached(answer(m_target, *id, message, m_bus), lcApp, "a connection asked over D-Bus");
}

} // namespace quelta
