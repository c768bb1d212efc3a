#include "FollowingCommandTarget.h"

#include "CommandTargetFailure.h"
#include "CommandsLogging.h"

#include "platform/DetachedTask.h"
#include "platform/Quelta.h"
#include "platform/SettingsStore.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>

namespace quelta {

FollowingCommandTarget::FollowingCommandTarget(QDBusConnection bus, NoAnswerFallback noAnswerFallback)
    : m_bus(std::move(bus))
    , m_noAnswerFallback(std::move(noAnswerFallback))
{
}

FollowingCommandTarget::~FollowingCommandTarget() = default;

FollowingCommandTarget::Source FollowingCommandTarget::current()
{
    if (!m_source.isSet())
        follow(m_bus.isConnected() ? m_bus.interface()->serviceOwner(queltaBus::service).value() : QString());
    return m_source;
}

bool FollowingCommandTarget::follow(const QString &owner)
{
    const QString followed = owner == m_unansweringOwner ? QString() : owner;
    if (m_source.isSet() && m_source.owner == followed)
        return false;
    Source source{followed, {}, {}};
    if (!followed.isEmpty())
        source.remote = std::make_shared<RemoteCommandTarget>(m_bus);
    else if (!(source.own = m_noAnswerFallback()))
        throw CommandTargetFailure{};
    retire(std::exchange(m_source, source));
    if (m_watching)
        listenTo(m_source);
    return true;
}

void FollowingCommandTarget::listenTo(const Source &source)
{
    CommandTarget &target = source.target();
    connect(&target, &CommandTarget::reportChanged, this, &CommandTarget::reportChanged);
    target.watch();
}

void FollowingCommandTarget::retire(Source source)
{
    if (!source.isSet())
        return;
    disconnect(&source.target(), nullptr, this, nullptr);
    releaseLater(std::move(source));
}

void FollowingCommandTarget::releaseLater(Source source)
{
    // Not from inside a signal of the source itself, which a caller may be resuming from.
    QMetaObject::invokeMethod(this, [held = std::move(source)]() mutable { held = {}; }, Qt::QueuedConnection);
}

template <typename Answer>
QCoro::Task<Answer> FollowingCommandTarget::ask(std::function<QCoro::Task<Answer>(CommandTarget &)> question, bool askAgainWhenFollowed)
{
    const std::stop_token stop = m_lifetime.token();
    for (;;) {
        Source asked = current();
        std::optional<Answer> answer;
        try {
            answer = co_await question(asked.target());
        } catch (const CommandTargetFailure &) {
            if (!asked.remote)
                throw;
        }
        throwIfStopped(stop);
        const bool stillFollowed = asked == m_source;
        if (!answer) {
            qCInfo(lcCommands) << "the running Quelta did not answer; this command answers by itself";
            m_unansweringOwner = asked.owner;
            if (stillFollowed)
                retire(std::exchange(m_source, {}));
        }
        if (!stillFollowed)
            releaseLater(std::move(asked));
        // A Quelta that came or went meanwhile answers again: the bar shows the one that counts.
        if (answer && (stillFollowed || !askAgainWhenFollowed))
            co_return std::move(*answer);
    }
}

QCoro::Task<QJsonObject> FollowingCommandTarget::report(bool refreshFirst)
{
    return ask<QJsonObject>([refreshFirst](CommandTarget &target) { return target.report(refreshFirst); }, true);
}

QCoro::Task<ConnectOutcome> FollowingCommandTarget::connectProvider(AccountID id)
{
    return ask<ConnectOutcome>([id](CommandTarget &target) { return target.connectProvider(id); });
}

QCoro::Task<std::optional<QString>> FollowingCommandTarget::providerTool(ProviderID id)
{
    return ask<std::optional<QString>>([id](CommandTarget &target) { return target.providerTool(id); });
}

void FollowingCommandTarget::watch()
{
    m_watching = true;
    if (m_bus.isConnected()) {
        auto *ownerWatcher = new QDBusServiceWatcher(queltaBus::service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(ownerWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString &, const QString &, const QString &owner) { onOwnerChanged(owner); });
    }
    if (m_source.isSet())
        listenTo(m_source);
}

void FollowingCommandTarget::onOwnerChanged(const QString &owner)
{
    try {
        if (!follow(owner))
            return;
    } catch (const CommandTargetFailure &failure) {
        Q_EMIT watchFailed(failure.message);
        return;
    }
    startDetached(announce(), lcCommands, "the first report of a newly followed source");
}

QCoro::Task<void> FollowingCommandTarget::announce()
{
    try {
        // Throws OperationCancelled, rather than return, once this target is gone.
        const QJsonObject document = co_await report(false);
        Q_EMIT reportChanged(document);
    } catch (const CommandTargetFailure &failure) {
        Q_EMIT watchFailed(failure.message);
    }
}

QCoro::Task<void> FollowingCommandTarget::finish()
{
    const Source source = m_source;
    if (!source.own)
        co_return;
    co_await source.own->finish();
    // Results that are gone at the next start are no success.
    const SettingsStore &settings = source.own->settings();
    if (settings.hasUnsavedChanges())
        throw CommandTargetFailure{Quelta::tr("couldn’t save settings to %1").arg(settings.filePath())};
}

} // namespace quelta
