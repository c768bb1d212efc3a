#pragma once

#include "CommandTarget.h"

#include "platform/Clock.h"
#include "platform/TaskLifetime.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace quelta {

// The running Quelta's face on the session bus.
namespace queltaBus {
inline const QString service = QStringLiteral("app.quelta.Quelta");
inline const QString path = QStringLiteral("/app/quelta/Quelta");
inline const QString interface = QStringLiteral("app.quelta.Quelta");
} // namespace queltaBus

// The running Quelta, reached over the session bus: its monitor answers, and no second one runs.
// A call it does not answer throws CommandTargetFailure.
class RemoteCommandTarget final : public CommandTarget
{
    Q_OBJECT
public:
    explicit RemoteCommandTarget(QDBusConnection bus, Clock &clock = Clock::system());

    QCoro::Task<QJsonObject> report(bool refreshFirst) override;
    QCoro::Task<ConnectOutcome> connectProvider(AccountID id) override;
    QCoro::Task<std::optional<QString>> providerTool(ProviderID id) override;
    void watch() override;

    // `quelta accounts <arguments>` run by the running Quelta: its exit status and what it printed.
    struct CommandAnswer {
        int status = 1;
        QString output;
        QString errors;
    };
    QCoro::Task<CommandAnswer> accounts(QStringList arguments);

private Q_SLOTS:
    void onStateChanged(const QString &document);

private:
    QCoro::Task<QDBusMessage> ask(QString method, QVariantList arguments = {}, int timeout = -1);

    QDBusConnection m_bus;
    Clock &m_clock;
    TaskLifetime m_lifetime;
};

} // namespace quelta
