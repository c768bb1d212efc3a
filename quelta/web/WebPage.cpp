#include "WebPage.h"

#include "platform/ApplicationFolders.h"
#include "platform/Clock.h"

#include <QCoroSignal>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
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

// Figures JSON cannot carry (Infinity, NaN) travel as an object with this one key.
const QString nonFiniteKey = QStringLiteral("quelta-non-finite");

QString literal(const QString &text)
{
    // A one-element JSON array is a safe JavaScript literal for any text; hence the [0].
    return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact)) + QStringLiteral("[0]");
}

// Runs in the page's isolated world, whose globals the page can neither see nor replace. The
// settled result waits under `key`; the console line only says that it is there.
QString wrappedScript(const QString &nonce, const QString &functionBody, const QJsonArray &arguments)
{
    const QString argumentList = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    return QStringLiteral(
               "(function () {\n"
               "const encode = value => JSON.stringify(value === undefined ? null : value, (key, x) =>\n"
               "  typeof x === 'number' && !Number.isFinite(x) ? {[%4]: String(x)} : x);\n"
               "const settle = answer => { globalThis[%3] = answer; console.info(%5); };\n"
               "(async function () {\n%1\n}).apply(null, %2).then(\n"
               "  value => settle({value: encode(value)}),\n"
               "  error => settle({error: String((error && error.message) || error)}));\n"
               "})();")
        .arg(functionBody, argumentList, literal(nonce), literal(nonFiniteKey), literal(answerPrefix + nonce));
}

QString takeAnswerScript(const QString &nonce)
{
    return QStringLiteral("(function () { const answer = globalThis[%1]; delete globalThis[%1]; return answer; })();").arg(literal(nonce));
}

// Undoes the encoding of non-finite figures, so that the reader's own checks can refuse them.
QJsonValue decodeNonFinite(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &element : value.toArray())
            array.append(decodeNonFinite(element));
        return array;
    }
    if (!value.isObject())
        return value;
    const QJsonObject object = value.toObject();
    if (object.size() == 1 && object.contains(nonFiniteKey)) {
        const QString text = object.value(nonFiniteKey).toString();
        return text == QLatin1String("NaN") ? qQNaN() : text.startsWith(QLatin1Char('-')) ? -qInf() : qInf();
    }
    QJsonObject decoded;
    for (auto it = object.begin(); it != object.end(); ++it)
        decoded.insert(it.key(), decodeNonFinite(it.value()));
    return decoded;
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
    const QString root = profileDirectory(name);
    profile->setPersistentStoragePath(root + QLatin1String("/storage"));
    profile->setCachePath(root + QLatin1String("/cache"));
    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    return profile;
}

QString WebPage::profileDirectory(const QString &name)
{
    return applicationFolders::data() + QLatin1String("/web/") + name;
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
    const QString nonce = message.mid(answerPrefix.size());
    QPointer<WebPage> self(this);
    runJavaScript(takeAnswerScript(nonce), QWebEngineScript::ApplicationWorld, [self, nonce](const QVariant &answer) {
        if (self)
            Q_EMIT self->scriptAnswered(nonce, QJsonValue::fromVariant(answer));
    });
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
    runJavaScript(wrappedScript(nonce, functionBody, arguments), QWebEngineScript::ApplicationWorld);
    co_await qCoro(pending, &ScriptAnswer::ended);

    if (!wait->answer)
        throw PageScriptError("the page script did not answer");
    const QJsonObject answer = wait->answer->toObject();
    if (answer.contains(QLatin1String("error")))
        throw PageScriptError(answer.value(QLatin1String("error")).toString().toStdString());
    const QJsonDocument value = QJsonDocument::fromJson(QByteArrayLiteral("[") + answer.value(QLatin1String("value")).toString().toUtf8() + ']');
    if (!value.isArray())
        throw PageScriptError("the page script answered what is not JSON");
    co_return decodeNonFinite(value.array().at(0));
}

} // namespace quelta

#include "WebPage.moc"
