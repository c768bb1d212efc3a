#include "ProviderHttpSession.h"

#include "HttpTransportError.h"
#include "platform/Clock.h"
#include "platform/OperationCancelled.h"

#include <QCoroSignal>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QPointer>
#include <QThread>

#include <memory>

namespace quelta {

namespace {

// Refuses every cookie and offers none.
class NoCookieJar : public QNetworkCookieJar
{
public:
    using QNetworkCookieJar::QNetworkCookieJar;

    QList<QNetworkCookie> cookiesForUrl(const QUrl &) const override { return {}; }
    bool setCookiesFromUrl(const QList<QNetworkCookie> &, const QUrl &) override { return false; }
};

struct ReplyDeleter {
    void operator()(QNetworkReply *reply) const { reply->deleteLater(); }
};

enum class Interruption { none, resourceTimeout, cancelled };

HttpResponse responseOf(QNetworkReply &reply, int status)
{
    HttpResponse response;
    response.status = status;
    response.headers = reply.rawHeaderPairs();
    response.body = reply.readAll();
    return response;
}

} // namespace

ProviderHttpSession::ProviderHttpSession(Clock &clock, Timeouts timeouts)
    : m_clock(clock)
    , m_timeouts(timeouts)
{
}

QNetworkAccessManager &ProviderHttpSession::manager()
{
    if (!m_manager) {
        m_manager = std::make_unique<QNetworkAccessManager>();
        m_manager->setCookieJar(new NoCookieJar(m_manager.get()));
        m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
        m_manager->setTransferTimeout(int(m_timeouts.request.count()));
    }
    return *m_manager;
}

QCoro::Task<HttpResponse> ProviderHttpSession::get(QNetworkRequest request, std::stop_token token)
{
    if (token.stop_requested())
        throw OperationCancelled();

    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setTransferTimeout(int(m_timeouts.request.count()));

    std::unique_ptr<QNetworkReply, ReplyDeleter> reply(manager().get(request));
    auto interruption = std::make_shared<Interruption>(Interruption::none);
    const auto interrupt = [interruption, guard = QPointer<QNetworkReply>(reply.get())](Interruption why) {
        if (!guard || guard->isFinished() || *interruption != Interruption::none)
            return;
        *interruption = why;
        guard->abort();
    };
    m_clock.callAfter(m_timeouts.resource, reply.get(), [interrupt] { interrupt(Interruption::resourceTimeout); });
    // On the reply's own thread the request is aborted before request_stop() returns.
    std::stop_callback onStop(token, [interrupt, guard = QPointer<QNetworkReply>(reply.get())] {
        if (guard && guard->thread() == QThread::currentThread()) {
            interrupt(Interruption::cancelled);
            return;
        }
        QMetaObject::invokeMethod(
            guard, [interrupt] { interrupt(Interruption::cancelled); }, Qt::QueuedConnection);
    });

    if (!reply->isFinished())
        co_await qCoro(reply.get(), &QNetworkReply::finished);

    if (*interruption == Interruption::cancelled || token.stop_requested())
        throw OperationCancelled();
    if (*interruption == Interruption::resourceTimeout)
        throw HttpTransportError("the request took too long", true);
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid())
        co_return responseOf(*reply, status.toInt());
    // A silent transfer is cut off by Qt's own transfer time-out, reported as a cancellation.
    const bool stalled = reply->error() == QNetworkReply::OperationCanceledError;
    throw HttpTransportError(reply->errorString().toStdString(), stalled);
}

} // namespace quelta
