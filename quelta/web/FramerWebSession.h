#pragma once

#include "connectors/framer/FramerConfiguration.h"
#include "connectors/framer/FramerConnectionProgress.h"

#include "connectors/ProviderConnector.h"
#include "platform/TaskLifetime.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <chrono>
#include <exception>
#include <functional>

class QWebEngineProfile;

namespace quelta {

class Clock;
class WebPage;

// Framer's agent credits, read inside an embedded page that stays signed in to Framer. One per
// process; the browser engine starts on the first load, not before.
class FramerWebSession final : public QObject, public ProviderConnector
{
    Q_OBJECT
public:
    struct Environment {
        FramerConfiguration configuration = FramerConfiguration::standard();
        Clock *clock = nullptr;
        std::function<void(const QUrl &)> openInBrowser;
        // Called once, when the page is first needed.
        std::function<QWebEngineProfile *()> makeProfile;

        std::chrono::milliseconds navigationTimeout = std::chrono::seconds(20);
        std::chrono::milliseconds pollingDeadline = std::chrono::seconds(20);
        std::chrono::milliseconds pollInterval = std::chrono::milliseconds(500);
        std::chrono::milliseconds connectedCheckDelay = std::chrono::milliseconds(350);
        // The script aborts its own requests after 8 s; this only guards against a page that
        // navigated away and will never answer.
        std::chrono::milliseconds scriptTimeout = std::chrono::seconds(10);

        // The persistent Framer profile and the desktop's browser.
        static Environment standard(Clock &clock);
    };

    explicit FramerWebSession(Environment environment, QObject *parent = nullptr);
    ~FramerWebSession() override;

    // The embedded page the sign-in sheet shows; created on first use.
    WebPage &page();
    bool hasPage() const { return m_page != nullptr; }

    FramerConnectionProgress connectionProgress() const { return m_progress; }

    QCoro::Task<ProviderAllowance> fetchAllowance() override;
    // The team whose credits were read last, tried after the page's own candidates; the owner
    // keeps it between runs.
    std::optional<QString> teamID() const { return m_teamID; }
    void setTeamID(std::optional<QString> teamID) { m_teamID = std::move(teamID); }
    void prepareForConnection();
    void openMagicLink(const QString &pastedText);
    // False when there is nothing to leave (no page yet, or the Framer sign-in page).
    bool navigateBack();
    // Loads `url` and returns when that navigation has finished; throws processFailed while
    // another load is pending, timedOut after the navigation time-out, or the page's error.
    QCoro::Task<void> load(QUrl url);

    bool isAllowedInApp(const QUrl &url) const { return m_environment.configuration.isAllowedInApp(url); }

Q_SIGNALS:
    void connectionProgressChanged();

private:
    class PendingNavigation;

    void setProgress(FramerConnectionProgress progress);
    void finishNavigation(std::exception_ptr error);
    void onNavigationSucceeded();
    void onNavigationFailed(const QString &message, int code);
    bool allowsNavigation(const QUrl &url, bool linkClicked, bool isMainFrame);
    void onNewWindow(const QUrl &url, bool linkClicked);
    void loadStartPage();
    QCoro::Task<QJsonObject> pollCredits();
    QCoro::Task<bool> pageTextMentionsSignIn();

    Environment m_environment;
    WebPage *m_page = nullptr;
    FramerConnectionProgress m_progress;
    QPointer<PendingNavigation> m_navigation;
    std::optional<QString> m_teamID;
    // Last: a read under way ends before the page it reads from.
    TaskLifetime m_lifetime;
};

} // namespace quelta
