#include "FramerWebSession.h"

#include "FramerCreditScript.h"
#include "connectors/framer/FramerCredits.h"

#include "connectors/ConnectorsLogging.h"
#include "core/ProviderConnectorError.h"
#include "platform/Clock.h"
#include "platform/Quelta.h"
#include "WebPage.h"

#include <QCoroSignal>
#include <QDesktopServices>
#include <QJsonArray>
#include <QWebEngineHistory>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

constexpr int textCheckAttempt = 15;
constexpr double rateLimitRetrySeconds = 60;

struct LaterDeleter {
    void operator()(QObject *object) const { object->deleteLater(); }
};

} // namespace

// The caller of load() waiting for its navigation; resumed exactly once.
class FramerWebSession::PendingNavigation final : public QObject
{
    Q_OBJECT
public:
    std::exception_ptr error;

Q_SIGNALS:
    void ended();
};

FramerWebSession::Environment FramerWebSession::Environment::standard(Clock &clock)
{
    Environment environment;
    environment.clock = &clock;
    environment.openInBrowser = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    environment.makeProfile = [] { return WebPage::persistentProfile(QStringLiteral("framer")); };
    return environment;
}

FramerWebSession::FramerWebSession(Environment environment, QObject *parent)
    : QObject(parent)
    , m_environment(std::move(environment))
{
}

FramerWebSession::~FramerWebSession()
{
    // A load under way ends rather than waits for a page that is going.
    finishNavigation(std::make_exception_ptr(OperationCancelled()));
}

WebPage &FramerWebSession::page()
{
    if (m_page)
        return *m_page;
    m_page = new WebPage(m_environment.makeProfile(), *m_environment.clock, this);
    m_page->setNavigationPolicy([this](const QUrl &url, WebPage::NavigationKind kind, bool isMainFrame) {
        return allowsNavigation(url, kind == WebPage::NavigationKind::linkClicked, isMainFrame);
    });
    m_page->setNewWindowHandler([this](const QUrl &url, WebPage::NavigationKind kind) {
        onNewWindow(url, kind == WebPage::NavigationKind::linkClicked);
    });
    connect(m_page, &WebPage::navigationSucceeded, this, &FramerWebSession::onNavigationSucceeded);
    connect(m_page, &WebPage::navigationFailed, this, &FramerWebSession::onNavigationFailed);
    return *m_page;
}

void FramerWebSession::setProgress(FramerConnectionProgress progress)
{
    if (m_progress == progress)
        return;
    m_progress = std::move(progress);
    Q_EMIT connectionProgressChanged();
}

void FramerWebSession::loadStartPage()
{
    page().load(m_environment.configuration.startPage);
}

void FramerWebSession::prepareForConnection()
{
    if (m_progress.kind != FramerConnectionProgress::Kind::openingMagicLink)
        setProgress({});
    if (page().url().isEmpty())
        loadStartPage();
}

void FramerWebSession::openMagicLink(const QString &pastedText)
{
    const QUrl url(pastedText.trimmed(), QUrl::StrictMode);
    const bool accepted = url.isValid() && url.scheme().toLower() == QLatin1String("https")
        && m_environment.configuration.isFramerHost(url.host());
    if (!accepted) {
        setProgress(FramerConnectionProgress::failed(Quelta::tr("Copy the Framer sign-in link from your email, then try again.")));
        return;
    }
    setProgress({FramerConnectionProgress::Kind::openingMagicLink, {}});
    page().load(url);
}

bool FramerWebSession::navigateBack()
{
    if (!m_page || m_page->url().isEmpty())
        return false;
    const QUrl current = m_page->url();
    QString path = current.path();
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (m_environment.configuration.isFramerHost(current.host()) && path == QLatin1String("login"))
        return false;
    setProgress({});
    if (m_page->history()->canGoBack())
        m_page->triggerAction(QWebEnginePage::Back);
    else
        loadStartPage();
    return true;
}

QCoro::Task<void> FramerWebSession::load(QUrl url)
{
    if (m_navigation)
        throw ProviderConnectorError(Kind::processFailed);
    std::unique_ptr<PendingNavigation, LaterDeleter> navigation(new PendingNavigation);
    m_navigation = navigation.get();
    WebPage &webPage = page();
    m_environment.clock->callAfter(m_environment.navigationTimeout, navigation.get(), [this, &webPage, stop = m_lifetime.token()] {
        if (stop.stop_requested())
            return;
        finishNavigation(std::make_exception_ptr(ProviderConnectorError(Kind::timedOut)));
        webPage.triggerAction(QWebEnginePage::Stop);
    });
    webPage.load(url);
    co_await qCoro(navigation.get(), &PendingNavigation::ended);
    if (navigation->error)
        std::rethrow_exception(navigation->error);
}

void FramerWebSession::finishNavigation(std::exception_ptr error)
{
    PendingNavigation *navigation = m_navigation;
    if (!navigation)
        return;
    m_navigation = nullptr;
    navigation->error = std::move(error);
    Q_EMIT navigation->ended();
}

void FramerWebSession::onNavigationSucceeded()
{
    qCDebug(lcFramer) << "loaded" << m_page->url().path();
    finishNavigation(nullptr);
    m_environment.clock->callAfter(m_environment.connectedCheckDelay, m_page, [this] {
        const QUrl url = m_page->url();
        if (m_environment.configuration.isFramerHost(url.host()) && url.path().startsWith(QLatin1String("/projects")))
            setProgress({FramerConnectionProgress::Kind::connected, {}});
    });
}

void FramerWebSession::onNavigationFailed(const QString &message, int code)
{
    qCInfo(lcFramer) << "a page failed to load:" << message << code;
    finishNavigation(std::make_exception_ptr(WebNavigationError(message.toStdString(), code)));
    if (m_progress.kind == FramerConnectionProgress::Kind::openingMagicLink)
        setProgress(FramerConnectionProgress::failed(Quelta::tr("Framer couldn't open that sign-in link.")));
}

bool FramerWebSession::allowsNavigation(const QUrl &url, bool linkClicked, bool isMainFrame)
{
    if (!isMainFrame || url.isEmpty() || isAllowedInApp(url))
        return true;
    if (linkClicked && url.scheme().toLower() == QLatin1String("https"))
        m_environment.openInBrowser(url);
    return false;
}

void FramerWebSession::onNewWindow(const QUrl &url, bool linkClicked)
{
    if (isAllowedInApp(url)) {
        page().load(url);
        return;
    }
    if (linkClicked && url.scheme().toLower() == QLatin1String("https"))
        m_environment.openInBrowser(url);
}

QCoro::Task<bool> FramerWebSession::pageTextMentionsSignIn()
{
    const QString script = QStringLiteral("return document.body?.innerText || '';");
    const QJsonArray noArguments;
    const QJsonValue text = co_await page().runAsyncFunction(script, noArguments, m_environment.scriptTimeout);
    co_return text.toString().contains(QLatin1String("sign in"), Qt::CaseInsensitive);
}

QCoro::Task<QJsonObject> FramerWebSession::pollCredits()
{
    const std::stop_token stop = m_lifetime.token();
    const QString preferredTeamID = m_teamID.value_or(QString());
    const QString script = framerCreditScript(m_environment.configuration.apiHost);
    Clock &clock = *m_environment.clock;
    const Clock::Duration deadline = clock.elapsed() + m_environment.pollingDeadline;
    const QJsonArray arguments{preferredTeamID};
    for (int attempt = 0;; ++attempt) {
        if (clock.elapsed() >= deadline)
            throw ProviderConnectorError(Kind::timedOut);
        const QJsonValue answer = co_await page().runAsyncFunction(script, arguments, m_environment.scriptTimeout);
        throwIfStopped(stop);
        const QJsonObject result = answer.toObject();
        qCDebug(lcFramer) << "credit script answered" << result.keys();
        if (result.value(QLatin1String("connectionRequired")).toBool())
            throw ProviderConnectorError(Kind::connectionRequired);
        if (result.value(QLatin1String("rateLimited")).toBool())
            throw ProviderConnectorError::rateLimited(rateLimitRetrySeconds);
        if (result.value(QLatin1String("funds")).isArray())
            co_return result;

        co_await clock.sleep(m_environment.pollInterval, stop);
        if (attempt == textCheckAttempt) {
            const bool mentionsSignIn = co_await pageTextMentionsSignIn();
            throwIfStopped(stop);
            throw ProviderConnectorError(mentionsSignIn ? Kind::connectionRequired : Kind::processFailed);
        }
    }
}

QCoro::Task<ProviderAllowance> FramerWebSession::fetchAllowance()
{
    const std::stop_token stop = m_lifetime.token();
    co_await load(m_environment.configuration.startPage);
    throwIfStopped(stop);
    const QJsonObject result = co_await pollCredits();
    throwIfStopped(stop);
    const QJsonValue teamID = result.value(QLatin1String("teamID"));
    if (teamID.isString())
        m_teamID = teamID.toString();
    co_return framerAllowance(result, m_environment.clock->now());
}

} // namespace quelta

#include "FramerWebSession.moc"
