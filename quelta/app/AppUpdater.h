#pragma once

#include "core/AppcastFeed.h"
#include "platform/TaskLifetime.h"

#include <QCoroTask>
#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

namespace quelta {

class Clock;

// Updates from the build's appcast feed: started, it checks once a day in the background and
// speaks only when a newer version exists; "Check for Updates" always answers. A check reads at
// most largestFeed bytes and gives up after checkDeadline on the clock, however the server
// trickles.
class AppUpdater final : public QObject
{
    Q_OBJECT
public:
    struct Answer {
        enum class Kind { newer, upToDate, failed, notConfigured };
        Kind kind = Kind::failed;
        std::optional<AppcastRelease> release;
    };

    static constexpr qint64 largestFeed = 1024 * 1024;
    static constexpr std::chrono::seconds checkDeadline{20};

    AppUpdater(QUrl feed, ReleaseVersion current, Clock &clock, QObject *parent = nullptr);

    void startIfNeeded();
    bool hasStarted() const { return m_started; }
    // Starts the updater first, then checks and answers through `answered`.
    void checkForUpdates();
    QCoro::Task<Answer> check();

    // The texts of an answer: a title and the line under it.
    static QString title(const Answer &answer);
    static QString message(const Answer &answer);

Q_SIGNALS:
    void answered(const quelta::AppUpdater::Answer &answer);
    // A background check found a newer version.
    void newerVersionFound(const quelta::AppUpdater::Answer &answer);

private:
    QCoro::Task<void> checkInBackground();
    QCoro::Task<std::optional<QByteArray>> downloadFeed();
    void scheduleBackgroundCheck(std::chrono::milliseconds delay);

    QUrl m_feed;
    ReleaseVersion m_current;
    Clock &m_clock;
    // Made at the first check: most runs never check.
    std::unique_ptr<QNetworkAccessManager> m_network;
    bool m_started = false;
    // Last: a check in flight is aborted before the network manager goes.
    TaskLifetime m_lifetime;
};

} // namespace quelta
