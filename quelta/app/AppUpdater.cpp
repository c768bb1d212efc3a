#include "AppUpdater.h"

#include "AppLogging.h"

#include "platform/Clock.h"
#include "platform/DetachedTask.h"
#include "platform/Quelta.h"

#include <QCoroNetworkReply>
#include <QNetworkReply>
#include <QScopedPointer>

#include <memory>

namespace quelta {

namespace {
using namespace std::chrono_literals;
constexpr auto firstCheck = 1min;
constexpr auto betweenChecks = 24h;
} // namespace

AppUpdater::AppUpdater(QUrl feed, ReleaseVersion current, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_feed(std::move(feed))
    , m_current(std::move(current))
    , m_clock(clock)
{
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
    const std::optional<QByteArray> feed = co_await downloadFeed();
    const std::optional<AppcastRelease> newest = feed ? newestRelease(*feed) : std::nullopt;
    if (!newest)
        co_return Answer{Answer::Kind::failed, std::nullopt};
    if (compareReleases(newest->version, m_current) > 0)
        co_return Answer{Answer::Kind::newer, newest};
    co_return Answer{Answer::Kind::upToDate, newest};
}

// The body is taken as it arrives, so that neither a huge feed nor one sent a byte at a time
// holds more than the limits allow.
QCoro::Task<std::optional<QByteArray>> AppUpdater::downloadFeed()
{
    if (!m_network) {
        m_network = std::make_unique<QNetworkAccessManager>();
        m_network->setTransferTimeout(20'000);
        m_network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    const QScopedPointer<QNetworkReply, QScopedPointerDeleteLater> reply(m_network->get(QNetworkRequest(m_feed)));
    QNetworkReply *download = reply.get();
    auto body = std::make_shared<QByteArray>();
    auto failure = std::make_shared<QString>();
    const auto giveUp = [download, failure](const char *why) {
        if (failure->isEmpty())
            *failure = QLatin1String(why);
        download->abort();
    };
    const auto take = [download, body, giveUp] {
        body->append(download->read(largestFeed + 1 - body->size()));
        if (body->size() > largestFeed)
            giveUp("it is larger than 1 MiB");
    };
    connect(download, &QNetworkReply::metaDataChanged, download, [download, giveUp] {
        if (download->header(QNetworkRequest::ContentLengthHeader).toLongLong() > largestFeed)
            giveUp("it announces more than 1 MiB");
    });
    connect(download, &QNetworkReply::readyRead, download, take);
    m_clock.callAfter(checkDeadline, download, [giveUp] { giveUp("it took longer than the check may"); });
    const std::stop_token lifetime = m_lifetime.token();
    std::stop_callback onStop(lifetime, [download] { download->abort(); });

    co_await download;
    throwIfStopped(lifetime);
    if (failure->isEmpty() && download->error() == QNetworkReply::NoError)
        take();
    if (!failure->isEmpty() || download->error() != QNetworkReply::NoError) {
        qCInfo(lcApp) << "the update feed could not be read:" << (failure->isEmpty() ? download->errorString() : *failure);
        co_return std::nullopt;
    }
    co_return *body;
}

QString AppUpdater::title(const Answer &answer)
{
    switch (answer.kind) {
    case Answer::Kind::newer:
        return Quelta::tr("Quelta %1 is available").arg(answer.release->version.displayed());
    case Answer::Kind::upToDate:
        return Quelta::tr("You’re up to date");
    case Answer::Kind::notConfigured:
        return Quelta::tr("Updates aren’t set up");
    case Answer::Kind::failed:
        break;
    }
    return Quelta::tr("Couldn’t check for updates");
}

QString AppUpdater::message(const Answer &answer)
{
    switch (answer.kind) {
    case Answer::Kind::newer:
        return Quelta::tr("Download it from its page and install it over this one.");
    case Answer::Kind::upToDate:
        return Quelta::tr("This is the newest version of Quelta.");
    case Answer::Kind::notConfigured:
        return Quelta::tr("This build of Quelta has no update feed.");
    case Answer::Kind::failed:
        break;
    }
    return Quelta::tr("The update feed couldn’t be read. Try again later.");
}

} // namespace quelta
