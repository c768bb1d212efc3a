#include "AlertDelivery.h"

#include "AlertMemory.h"
#include "AlertsLogging.h"

#include "platform/Clock.h"
#include "platform/DetachedTask.h"
#include "platform/Quelta.h"

#include <QCoroSignal>
#include <QUuid>

namespace quelta {

namespace {

constexpr qint64 snoozeSeconds = 3600;

} // namespace

AlertDelivery::Pending::Pending(AlertDelivery &delivery)
    : m_delivery(&delivery)
{
    ++delivery.m_pending;
}

AlertDelivery::Pending::~Pending()
{
    if (m_delivery && --m_delivery->m_pending == 0)
        Q_EMIT m_delivery->deliveriesFinished();
}

AlertDelivery::AlertDelivery(NotificationCenter &center, AlertMemory &memory, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_center(center)
    , m_memory(memory)
    , m_clock(clock)
{
    connect(&m_center, &NotificationCenter::responseReceived, this, &AlertDelivery::onResponse);
}

void AlertDelivery::configure(std::function<void()> openQuelta)
{
    m_openQuelta = std::move(openQuelta);
    m_center.setCategory(QLatin1String(categoryIdentifier),
                         {{QLatin1String(openActionIdentifier), Quelta::tr("Open Quelta")},
                          {QLatin1String(snoozeActionIdentifier), Quelta::tr("Snooze 1h")}});
}

QCoro::Task<void> AlertDelivery::finishDeliveries()
{
    while (m_pending > 0)
        co_await qCoro(this, &AlertDelivery::deliveriesFinished);
}

NotificationCenter::Request AlertDelivery::requestFor(const UsageAlert &alert) const
{
    NotificationCenter::Request request;
    request.identifier = QStringLiteral("quelta-usage-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    request.title = alert.title;
    request.body = alert.body;
    // Without the category, no actions: an unattended run has nobody to answer them.
    if (!m_unattended)
        request.categoryIdentifier = QLatin1String(categoryIdentifier);
    // A default account keeps the bare provider, as older versions wrote it.
    request.userInfo = {{QStringLiteral("providerID"), alert.account.rawValue()}};
    request.critical = alert.critical;
    return request;
}

void AlertDelivery::deliver(const UsageAlert &alert)
{
    startDetached(postUnawaited(alert), lcAlerts, "posting an alert");
}

QCoro::Task<void> AlertDelivery::postUnawaited(UsageAlert alert)
{
    co_await post(std::move(alert));
}

QCoro::Task<bool> AlertDelivery::post(UsageAlert alert)
{
    QPointer<AlertDelivery> self(this);
    Pending pending(*this);
    bool delivered = true;
    try {
        co_await m_center.add(requestFor(alert));
    } catch (const NotificationDeliveryError &error) {
        qCInfo(lcAlerts) << "an alert could not be delivered:" << error.what();
        delivered = false;
    }
    if (!self)
        co_return false;
    m_lastDeliveryError = delivered
        ? std::nullopt
        : std::optional(Quelta::tr("Quelta couldn’t deliver alerts. Check Notifications in System Settings."));
    Q_EMIT deliveryStatusChanged();
    co_return delivered;
}

void AlertDelivery::onResponse(const QString &, const QString &action, const QVariantMap &userInfo)
{
    const QVariant provider = userInfo.value(QStringLiteral("providerID"));
    const bool hasProvider = provider.typeId() == QMetaType::QString;
    if (action == QLatin1String(snoozeActionIdentifier)) {
        if (hasProvider)
            snooze(provider.toString());
        return;
    }
    if ((action == QLatin1String(openActionIdentifier) || action == QLatin1String(NotificationCenter::defaultActionIdentifier))
        && m_openQuelta)
        m_openQuelta();
}

void AlertDelivery::snooze(const QString &accountRawID)
{
    m_memory.snooze(accountRawID, m_clock.now().addSecs(snoozeSeconds));
}

} // namespace quelta
