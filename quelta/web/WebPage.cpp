#include "WebPage.h"

#include "platform/Clock.h"

#include <QCoroSignal>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QStandardPaths>
#include <QUuid>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>

#include <optional>

namespace quelta {

namespace {

const QString answerPrefix = QStringLiteral("quelta-page-script:");

WebPage::NavigationKind kindOf(QWebEnginePage::NavigationType type)
{
    return type == QWebEnginePage::NavigationTypeLinkClicked ? WebPage::NavigationKind::linkClicked
                                                             : WebPage::NavigationKind::other;
}

// Stands in for the window a page asked for: catches the address it was about to load, hands it
// over, and goes away without ever showing anything.
class WindowRequestCatcher final : public QWebEnginePage
{
public:
    WindowRequestCatcher(QWebEngineProfile *profile, WebPage::NewWindowHandler handler, QObject *parent)
        : QWebEnginePage(profile, parent)
        , m_handler(std::move(handler))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool) override
    {
        if (m_handler && !url.isEmpty())
            m_handler(url, kindOf(type));
        m_handler = nullptr;
        deleteLater();
        return false;
    }

private:
    WebPage::NewWindowHandler m_handler;
};

// One pending script answer, or its time-out.
class ScriptAnswer final : public QObject
{
    Q_OBJECT
public:
    std::optional<QJsonValue> answer;

Q_SIGNALS:
    void ended();
};

QString wrappedScript(const QString &nonce, const QString &functionBody, const QJsonArray &arguments)
{
    const QString prefix = QString::fromUtf8(QJsonDocument(QJsonArray{answerPrefix + nonce + QLatin1Char(':')}).toJson(QJsonDocument::Compact));
    const QString argumentList = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    // The prefix literal is a one-element array, hence the [0].
    return QStringLiteral("(async function () {\n%1\n}).apply(null, %2).then("
                          "value => console.info(%3[0] + JSON.stringify({value: value === undefined ? null : value})),"
                          "error => console.info(%3[0] + JSON.stringify({error: String((error && error.message) || error)})));")
        .arg(functionBody, argumentList, prefix);
}

} // namespace

WebPage::WebPage(QWebEngineProfile *profile, Clock &clock, QObject *parent)
    : QWebEnginePage(profile, parent)
    , m_clock(clock)
{
    connect(this, &QWebEnginePage::loadingChanged, this, &WebPage::onLoadingChanged);
}

WebPage::~WebPage() = default;

QWebEngineProfile *WebPage::persistentProfile(const QString &name)
{
    // Lives as long as the process: pages may outlive any one owner.
    auto *profile = new QWebEngineProfile(name);
    const QString root = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/web/") + name;
    profile->setPersistentStoragePath(root + QLatin1String("/storage"));
    profile->setCachePath(root + QLatin1String("/cache"));
    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    return profile;
}

bool WebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    return !m_policy || m_policy(url, kindOf(type), isMainFrame);
}

QWebEnginePage *WebPage::createWindow(WebWindowType)
{
    return new WindowRequestCatcher(profile(), m_newWindow, this);
}

void WebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int, const QString &)
{
    if (!message.startsWith(answerPrefix))
        return;
    const qsizetype nonceEnd = message.indexOf(QLatin1Char(':'), answerPrefix.size());
    if (nonceEnd < 0)
        return;
    const QString nonce = message.mid(answerPrefix.size(), nonceEnd - answerPrefix.size());
    const QJsonDocument answer = QJsonDocument::fromJson(message.mid(nonceEnd + 1).toUtf8());
    Q_EMIT scriptAnswered(nonce, answer.object());
}

void WebPage::onLoadingChanged(const QWebEngineLoadingInfo &info)
{
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        Q_EMIT navigationSucceeded();
        return;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        Q_EMIT navigationFailed(QStringLiteral("Loading was stopped"), 0);
        return;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        Q_EMIT navigationFailed(info.errorString(), info.errorCode());
        return;
    }
}

QCoro::Task<QJsonValue> WebPage::runAsyncFunction(QString functionBody, QJsonArray arguments,
                                                  std::chrono::milliseconds timeout)
{
    // A fresh nonce per run, so that an answer can only be taken for the run it belongs to.
    const QString nonce = QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto wait = std::make_unique<ScriptAnswer>();
    ScriptAnswer *pending = wait.get();
    connect(this, &WebPage::scriptAnswered, pending, [pending, nonce](const QString &from, const QJsonValue &answer) {
        if (from != nonce || pending->answer)
            return;
        pending->answer = answer;
        Q_EMIT pending->ended();
    });
    m_clock.callAfter(timeout, pending, [pending] { Q_EMIT pending->ended(); });
    runJavaScript(wrappedScript(nonce, functionBody, arguments), QWebEngineScript::MainWorld);
    co_await qCoro(pending, &ScriptAnswer::ended);

    if (!wait->answer)
        throw PageScriptError("the page script did not answer");
    const QJsonObject answer = wait->answer->toObject();
    if (answer.contains(QLatin1String("error")))
        throw PageScriptError(answer.value(QLatin1String("error")).toString().toStdString());
    co_return answer.value(QLatin1String("value"));
}

} // namespace quelta

#include "WebPage.moc"
