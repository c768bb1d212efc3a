#include "QueltaBusService.h"

#include "AppLogging.h"
#include "AppObjects.h"
#include "QueltaBusAdaptor.h"
#include "TrayShell.h"

#include "commands/AccountsCommand.h"
#include "commands/CommandTarget.h"
#include "commands/RemoteCommandTarget.h"
#include "commands/StatusReport.h"
#include "platform/DetachedTask.h"

#include <QDBusConnection>
#include <QJsonDocument>
#include <QTextStream>

namespace quelta {

QueltaBusService::QueltaBusService(QObject *parent, AppObjects &services, TrayShell &shell, LocalCommandTarget &target)
    : QObject(parent)
    , m_services(services)
    , m_shell(shell)
    , m_target(target)
    , m_bus(QDBusConnection::sessionBus())
{
    connect(&m_target, &CommandTarget::reportChanged, this,
            [this](const QJsonObject &report) { Q_EMIT StateChanged(QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Compact))); });
    m_target.watch();
    // Relays StateChanged and hands every call to the slots below.
    new QueltaBusAdaptor(this);
    connect(&m_services.monitor(), &AllowanceMonitor::changed, this, &QueltaBusService::answerRefreshesIfDone);
}

void QueltaBusService::answerRefreshesIfDone()
{
    if (m_services.monitor().isRefreshing())
        return;
    for (const QDBusMessage &request : std::exchange(m_refreshesWaiting, {}))
        m_bus.send(request.createReply());
}

bool QueltaBusService::registerOn(QDBusConnection bus)
{
    m_bus = bus;
    return bus.registerService(queltaBus::service) && bus.registerObject(queltaBus::path, this);
}

void QueltaBusService::ShowPopover()
{
    if (m_shell.isOnboardingDue())
        m_shell.showOnboardingWindow();
    else
        m_shell.showPopover(false);
}

void QueltaBusService::Refresh(bool manual)
{
    // Every call that arrives while a refresh runs joins it and is answered when it ends.
    setDelayedReply(true);
    m_refreshesWaiting.append(message());
    m_services.monitor().refresh(manual);
    answerRefreshesIfDone();
}

QString QueltaBusService::State()
{
    return QString::fromUtf8(QJsonDocument(statusJson(m_services.monitor())).toJson(QJsonDocument::Compact));
}

std::optional<ProviderID> QueltaBusService::providerNamed(const QString &provider)
{
    const std::optional<ProviderID> id = fromRawValue<ProviderID>(provider);
    if (!id)
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No provider named ") + provider);
    return id;
}

QString QueltaBusService::Connect(const QString &provider)
{
    // The provider's raw value for its default account, with ":name" for another.
    const std::optional<AccountID> id = AccountID::fromRawValue(provider);
    if (!id) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No account named ") + provider);
        return {};
    }
    setDelayedReply(true);
    auto answer = [](LocalCommandTarget &target, AccountID which, QDBusMessage request, QDBusConnection bus) -> QCoro::Task<void> {
        const ConnectOutcome outcome = co_await target.connectProvider(which);
        bus.send(request.createReply(toRawValue(outcome)));
    };
    startDetached(answer(m_target, *id, message(), m_bus), lcApp, "a connection asked over D-Bus");
    return {};
}

QString QueltaBusService::ProviderTool(const QString &provider)
{
    const std::optional<ProviderID> id = providerNamed(provider);
    if (!id)
        return {};
    return m_services.providerTool(*id).value_or(QString());
}

int QueltaBusService::Accounts(const QStringList &arguments, QString &output, QString &errors)
{
    QTextStream out(&output);
    QTextStream err(&errors);
    const int status = runAccountsCommand(arguments, m_services.accountChanges(), out, err);
    out.flush();
    err.flush();
    return status;
}

} // namespace quelta
