#pragma once

#include "OwnMonitor.h"
#include "RemoteCommandTarget.h"

#include "platform/TaskLifetime.h"

#include <QDBusConnection>

#include <functional>
#include <memory>

namespace quelta {

// What a command acts on: the Quelta that owns app.quelta.Quelta while it answers, otherwise this
// process's own monitor, made only then. A call the running Quelta does not answer (it quit or
// died meanwhile) is asked of the own monitor instead. A watch follows a Quelta that appears and
// goes back to its own monitor when it leaves, so only one monitor refreshes for it.
class FollowingCommandTarget final : public CommandTarget
{
    Q_OBJECT
public:
    FollowingCommandTarget(QDBusConnection bus, NoAnswerFallback noAnswerFallback);
    ~FollowingCommandTarget() override;

    QCoro::Task<QJsonObject> report(bool refreshFirst) override;
    QCoro::Task<ConnectOutcome> connectProvider(AccountID id) override;
    QCoro::Task<std::optional<QString>> providerTool(ProviderID id) override;
    void watch() override;
    // Waits for what the own monitor set going on the side.
    QCoro::Task<void> finish();

private:
    // Who answers; copies keep it alive while it is asked.
    struct Source {
        // The running Quelta's unique bus name; empty for the own monitor.
        QString owner;
        std::shared_ptr<RemoteCommandTarget> remote;
        std::shared_ptr<OwnMonitor> own;

        bool isSet() const { return remote || own; }
        bool operator==(const Source &) const = default;
        CommandTarget &target() const { return remote ? static_cast<CommandTarget &>(*remote) : own->target(); }
    };

    template <typename Answer>
    QCoro::Task<Answer> ask(std::function<QCoro::Task<Answer>(CommandTarget &)> question, bool askAgainWhenFollowed = false);
    // The source asked now; throws CommandTargetFailure when the own monitor cannot be made.
    Source current();
    // Follows the Quelta `owner` (or the own monitor for none); true when the source changed.
    bool follow(const QString &owner);
    void onOwnerChanged(const QString &owner);
    // Forwards the changes `source` tells.
    void listenTo(const Source &source);
    // Stops listening to a source replaced, and lets it go once its callers have returned.
    void retire(Source source);
    void releaseLater(Source source);
    QCoro::Task<void> announce();

    QDBusConnection m_bus;
    NoAnswerFallback m_noAnswerFallback;
    Source m_source;
    // A Quelta that failed to answer: asked no more.
    QString m_unansweringOwner;
    bool m_watching = false;
    TaskLifetime m_lifetime;
};

} // namespace quelta
