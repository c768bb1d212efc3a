#pragma once

#include "CommandTarget.h"

#include <QDBusConnection>

namespace quelta {

// The running Quelta's face on the session bus.
namespace queltaBus {
inline const QString service = QStringLiteral("app.quelta.Quelta");
inline const QString path = QStringLiteral("/app/quelta/Quelta");
inline const QString interface = QStringLiteral("app.quelta.Quelta");
} // namespace queltaBus

// The running Quelta, reached over the session bus: its monitor answers, and no second one runs.
class RemoteCommandTarget final : public CommandTarget
{
    Q_OBJECT
public:
    explicit RemoteCommandTarget(QDBusConnection bus);

    QCoro::Task<QJsonObject> report(bool refreshFirst) override;
    QCoro::Task<ConnectOutcome> connectProvider(ProviderID id) override;
    QCoro::Task<std::optional<QString>> providerTool(ProviderID id) override;
    void watch() override;

private Q_SLOTS:
    void onStateChanged(const QString &document);

private:
    QDBusConnection m_bus;
};

} // namespace quelta
