#include "RemoteCommandTarget.h"

#include "CommandTargetFailure.h"

#include "platform/Quelta.h"

#include <QCoroDBus>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QJsonDocument>

namespace quelta {

namespace {

using namespace std::chrono_literals;

// A refresh or a sign-in may take minutes (a browser sign-in); the call waits for its answer.
constexpr int longCall = 15 * 60 * 1000;
// A Quelta claims the name before its object is on the bus; until then its calls are tried again.
constexpr auto startingPatience = 5s;
constexpr auto retryInterval = 50ms;

QDBusMessage call(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(queltaBus::service, queltaBus::path, queltaBus::interface, method);
    message.setArguments(arguments);
    return message;
}

// What a Quelta that is still building answers.
bool answersLikeAStartingQuelta(const QDBusMessage &reply)
{
    static const QStringList notYet{QDBusError::errorString(QDBusError::UnknownObject), QDBusError::errorString(QDBusError::UnknownInterface),
                                    QDBusError::errorString(QDBusError::UnknownMethod)};
    return notYet.contains(reply.errorName());
}

QJsonObject documentOf(const QDBusMessage &reply)
{
    return QJsonDocument::fromJson(reply.arguments().value(0).toString().toUtf8()).object();
}

} // namespace

RemoteCommandTarget::RemoteCommandTarget(QDBusConnection bus, Clock &clock)
    : m_bus(std::move(bus))
    , m_clock(clock)
{
}

QCoro::Task<QDBusMessage> RemoteCommandTarget::ask(QString method, QVariantList arguments, int timeout)
{
    const std::stop_token stop = m_lifetime.token();
    Clock &clock = m_clock;
    const Clock::Duration start = clock.elapsed();
    for (;;) {
        const QDBusPendingCall pending = m_bus.asyncCall(call(method, arguments), timeout);
        const QDBusMessage reply = co_await pending;
        throwIfStopped(stop);
        if (reply.type() == QDBusMessage::ReplyMessage)
            co_return reply;
        if (!answersLikeAStartingQuelta(reply) || clock.elapsed() - start > startingPatience)
            throw CommandTargetFailure{Quelta::tr("the running Quelta did not answer: %1").arg(reply.errorMessage())};
        co_await clock.sleep(retryInterval, stop);
    }
}

QCoro::Task<QJsonObject> RemoteCommandTarget::report(bool refreshFirst)
{
    // Named: GCC cannot take a braced list into a co_await expression.
    const QVariantList manual{true};
    if (refreshFirst)
        co_await ask(QStringLiteral("Refresh"), manual, longCall);
    co_return documentOf(co_await ask(QStringLiteral("State")));
}

QCoro::Task<RemoteCommandTarget::CommandAnswer> RemoteCommandTarget::accounts(QStringList arguments)
{
    const QVariantList words{arguments};
    const QDBusMessage reply = co_await ask(QStringLiteral("Accounts"), words);
    const QVariantList answer = reply.arguments();
    co_return CommandAnswer{answer.value(0).toInt(), answer.value(1).toString(), answer.value(2).toString()};
}

QCoro::Task<ConnectOutcome> RemoteCommandTarget::connectProvider(AccountID id)
{
    const QVariantList provider{id.rawValue()};
    const QDBusMessage reply = co_await ask(QStringLiteral("Connect"), provider, longCall);
    co_return fromRawValue<ConnectOutcome>(reply.arguments().value(0).toString()).value_or(ConnectOutcome::failed);
}

QCoro::Task<std::optional<QString>> RemoteCommandTarget::providerTool(ProviderID id)
{
    const QVariantList provider{toRawValue(id)};
    const QString tool = (co_await ask(QStringLiteral("ProviderTool"), provider)).arguments().value(0).toString();
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
