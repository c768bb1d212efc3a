#include "RemoteCommandTarget.h"

#include <QCoroDBus>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QJsonDocument>

namespace quelta {

namespace {

// A refresh or a sign-in may take minutes (a browser sign-in); the call waits for its answer.
constexpr int longCall = 15 * 60 * 1000;

QDBusMessage call(const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(queltaBus::service, queltaBus::path, queltaBus::interface, method);
    message.setArguments(arguments);
    return message;
}

QJsonObject documentOf(const QDBusMessage &reply)
{
    return QJsonDocument::fromJson(reply.arguments().value(0).toString().toUtf8()).object();
}

} // namespace

RemoteCommandTarget::RemoteCommandTarget(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

QCoro::Task<QJsonObject> RemoteCommandTarget::report(bool refreshFirst)
{
    if (refreshFirst) {
        const QDBusPendingCall refresh = m_bus.asyncCall(call(QStringLiteral("Refresh"), {true}), longCall);
        const QDBusMessage done = co_await refresh;
        Q_UNUSED(done);
    }
    const QDBusPendingCall state = m_bus.asyncCall(call(QStringLiteral("State")));
    const QDBusMessage reply = co_await state;
    co_return documentOf(reply);
}

QCoro::Task<ConnectOutcome> RemoteCommandTarget::connectProvider(ProviderID id)
{
    const QDBusPendingCall connecting = m_bus.asyncCall(call(QStringLiteral("Connect"), {toRawValue(id)}), longCall);
    const QDBusMessage reply = co_await connecting;
    co_return fromRawValue<ConnectOutcome>(reply.arguments().value(0).toString()).value_or(ConnectOutcome::failed);
}

QCoro::Task<std::optional<QString>> RemoteCommandTarget::providerTool(ProviderID id)
{
    const QDBusPendingCall lookup = m_bus.asyncCall(call(QStringLiteral("ProviderTool"), {toRawValue(id)}));
    const QDBusMessage reply = co_await lookup;
    const QString tool = reply.arguments().value(0).toString();
    co_return tool.isEmpty() ? std::nullopt : std::optional(tool);
}

void RemoteCommandTarget::watch()
{
    m_bus.connect(queltaBus::service, queltaBus::path, queltaBus::interface, QStringLiteral("StateChanged"), this,
                  SLOT(onStateChanged(QString)));
}

void RemoteCommandTarget::onStateChanged(const QString &document)
{
    Q_EMIT reportChanged(QJsonDocument::fromJson(document.toUtf8()).object());
}

} // namespace quelta
