#include "AppUpdater.h"

#include "AppLogging.h"

#include "platform/Clock.h"
#include "platform/DetachedTask.h"

#include <QCoroNetworkReply>
#include <QNetworkReply>

namespace quelta {

namespace {
using namespace std::chrono_literals;
constexpr auto firstCheck = 1min;
constexpr auto betweenChecks = 24h;
} // namespace

AppUpdater::AppUpdater(QUrl feed, QString currentVersion, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_feed(std::move(feed))
    , m_currentVersion(std::move(currentVersion))
    , m_clock(clock)
{
    m_network.setTransferTimeout(20'000);
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

void AppUpdater::startIfNeeded()
{
    if (m_started)
        return;
    m_started = true;
    if (m_feed.isValid() && !m_feed.isEmpty())
        scheduleBackgroundCheck(firstCheck);
}

void AppUpdater::scheduleBackgroundCheck(std::chrono::milliseconds delay)
{
    m_clock.callAfter(delay, this, [this] {
        startDetached(checkInBackground(), lcApp, "a background update check");
        scheduleBackgroundCheck(betweenChecks);
    });
}

QCoro::Task<void> AppUpdater::checkInBackground()
{
    const Answer answer = co_await check();
    if (answer.kind == Answer::Kind::newer)
        Q_EMIT newerVersionFound(answer);
}

void AppUpdater::checkForUpdates()
{
    startIfNeeded();
    auto answerOnce = [](AppUpdater *updater) -> QCoro::Task<void> {
        const Answer answer = co_await updater->check();
        Q_EMIT updater->answered(answer);
    };
    startDetached(answerOnce(this), lcApp, "an update check");
}

QCoro::Task<AppUpdater::Answer> AppUpdater::check()
{
    if (!m_feed.isValid() || m_feed.isEmpty())
        co_return Answer{Answer::Kind::notConfigured, std::nullopt};
    QNetworkReply *reply = co_await m_network.get(QNetworkRequest(m_feed));
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        qCInfo(lcApp) << "the update feed could not be read:" << reply->errorString();
        co_return Answer{Answer::Kind::failed, std::nullopt};
    }
    const std::optional<AppcastRelease> newest = newestRelease(reply->readAll());
    if (!newest)
        co_return Answer{Answer::Kind::failed, std::nullopt};
    if (compareVersions(newest->version, m_currentVersion) > 0)
        co_return Answer{Answer::Kind::newer, newest};
    co_return Answer{Answer::Kind::upToDate, newest};
}

QString AppUpdater::title(const Answer &answer)
{
    switch (answer.kind) {
    case Answer::Kind::newer:
        return QStringLiteral("Quelta %1 is available").arg(answer.release->version);
    case Answer::Kind::upToDate:
        return QStringLiteral("You’re up to date");
    case Answer::Kind::notConfigured:
        return QStringLiteral("Updates aren’t set up");
    case Answer::Kind::failed:
        break;
    }
    return QStringLiteral("Couldn’t check for updates");
}

QString AppUpdater::message(const Answer &answer)
{
    switch (answer.kind) {
    case Answer::Kind::newer:
        return QStringLiteral("Download it from its page and install it over this one.");
    case Answer::Kind::upToDate:
        return QStringLiteral("This is the newest version of Quelta.");
    case Answer::Kind::notConfigured:
        return QStringLiteral("This build of Quelta has no update feed.");
    case Answer::Kind::failed:
        break;
    }
    return QStringLiteral("The update feed couldn’t be read. Try again later.");
}

} // namespace quelta
