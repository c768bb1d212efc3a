#pragma once

#include <QCoroTask>
#include <QJsonValue>
#include <QUrl>
#include <QWebEnginePage>

#include <chrono>
#include <functional>
#include <stdexcept>

class QWebEngineLoadingInfo;
class QWebEngineProfile;

namespace quelta {

class Clock;

// A page script threw, or never answered.
class PageScriptError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A main-frame navigation ended in an error page.
class WebNavigationError : public std::runtime_error
{
public:
    WebNavigationError(const std::string &message, int code)
        : std::runtime_error(message)
        , m_code(code)
    {
    }
    int code() const { return m_code; }

private:
    int m_code;
};

// The embedded browser page: a persistent profile, a navigation policy and a new-window rule set
// by its owner, and page scripts whose promised result is awaited.
class WebPage : public QWebEnginePage
{
    Q_OBJECT
public:
    enum class NavigationKind { linkClicked, other };
    // Whether the page may go to `url`; consulted for every navigation and new window.
    using NavigationPolicy = std::function<bool(const QUrl &url, NavigationKind kind, bool isMainFrame)>;
    // A new window was asked for; no window is ever made, the owner decides what to do instead.
    using NewWindowHandler = std::function<void(const QUrl &url, NavigationKind kind)>;

    WebPage(QWebEngineProfile *profile, Clock &clock, QObject *parent = nullptr);
    ~WebPage() override;

    // A named profile whose cookies and storage persist in the application's data folder.
    static QWebEngineProfile *persistentProfile(const QString &name);
    // Where that profile keeps its files.
    static QString profileDirectory(const QString &name);

    void setNavigationPolicy(NavigationPolicy policy) { m_policy = std::move(policy); }
    void setNewWindowHandler(NewWindowHandler handler) { m_newWindow = std::move(handler); }

    // Runs `functionBody` as the body of an async function in the page's isolated world (the
    // page's DOM and cookies, none of its scripts' globals), called with `arguments`, and returns
    // what its promise resolves to; Infinity and NaN arrive as such. A rejection, or no answer
    // within `timeout`, throws PageScriptError.
    QCoro::Task<QJsonValue> runAsyncFunction(QString functionBody, QJsonArray arguments,
                                             std::chrono::milliseconds timeout);

Q_SIGNALS:
    void navigationSucceeded();
    void navigationFailed(const QString &message, int code);
    void scriptAnswered(const QString &nonce, const QJsonValue &answer);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;

private:
    void onLoadingChanged(const QWebEngineLoadingInfo &info);

    Clock &m_clock;
    NavigationPolicy m_policy;
    NewWindowHandler m_newWindow;
};

} // namespace quelta
