#include "ConnectorErrors.h"
#include "ManualClock.h"
#include "WaitFor.h"
#include "core/ProviderConnectorError.h"
#include "connectors/framer/FramerHelperProtocol.h"
#include "platform/OperationCancelled.h"
#include "web/FramerConnectionWindow.h"
#include "web/FramerWebSession.h"
#include "web/WebPage.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

const QString teamA = QStringLiteral("aaaaaaaa-0000-4000-8000-00000000000a");
const QString teamB = QStringLiteral("bbbbbbbb-0000-4000-8000-00000000000b");
const QString teamC = QStringLiteral("CCCCCCCC-0000-4000-8000-00000000000C");
const QString storedTeam = QStringLiteral("dddddddd-0000-4000-8000-00000000000d");

const QByteArray fundsBody =
    R"({"availableCredits":250,"funds":[{"type":"project","renewsAt":"2026-03-02T09:00:00Z","grants":[{"allocatedCredits":500,"remainingCredits":250}]}]})";

struct CreditsReply {
    int status = 404;
    QByteArray body;
};

} // namespace

class FramerWebSessionTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QHttpServer m_server;
    quint16 m_port = 0;
    QTcpServer m_silent;

    QByteArray m_projectsPage;
    QHash<QString, CreditsReply> m_credits;
    CreditsReply m_anyTeam;
    QStringList m_requestedTeams;
    QList<QUrl> m_openedInBrowser;

    std::unique_ptr<test::ManualClock> m_clock;
    std::optional<QString> m_storedTeam;
    QWebEngineProfile *m_profile = nullptr;
    std::unique_ptr<FramerWebSession> m_connector;

    QString origin() const { return QStringLiteral("https://framer.test:%1").arg(m_port); }

    FramerConfiguration configuration(const QString &startQuery = {}) const
    {
        FramerConfiguration configuration;
        configuration.framerDomain = QStringLiteral("framer.test");
        configuration.userContentDomain = QStringLiteral("framerusercontent.test");
        configuration.googleDomains = {QStringLiteral("google.test"), QStringLiteral("gstatic.test")};
        configuration.apiHost = QStringLiteral("api.framer.test:%1").arg(m_port);
        configuration.startPage = QUrl(origin() + QStringLiteral("/projects/") + startQuery);
        return configuration;
    }

    void makeConnector(FramerConfiguration configuration)
    {
        FramerWebSession::Environment environment;
        environment.configuration = std::move(configuration);
        environment.clock = m_clock.get();
        environment.openInBrowser = [this](const QUrl &url) { m_openedInBrowser.append(url); };
        environment.makeProfile = [this] { return m_profile; };
        m_connector = std::make_unique<FramerWebSession>(environment);
        m_connector->setTeamID(m_storedTeam);
    }

    // Lets the short waits pending on the manual clock pass (the post-navigation check, each
    // poll's half-second pause) until the task ends; the long guards never come due here.
    // Returns how many half-second pauses were asked for, or -1 when the task never ended.
    template <typename T>
    int driveSleeps(QCoro::Task<T> &task)
    {
        const qsizetype before = m_clock->requestedDelays().size();
        for (int spin = 0; spin < 3000 && !task.isReady(); ++spin) {
            QTest::qWait(5);
            if (const std::optional<Clock::Duration> next = m_clock->nextDelay(); next && *next <= 500ms)
                m_clock->advance(*next);
        }
        if (!task.isReady())
            return -1;
        const QList<Clock::Duration> delays = m_clock->requestedDelays().mid(before);
        return int(std::count(delays.begin(), delays.end(), Clock::Duration(500ms)));
    }

    QString fetchOutcome(int *sleeps = nullptr)
    {
        auto task = m_connector->fetchAllowance();
        const int passed = driveSleeps(task);
        if (sleeps)
            *sleeps = passed;
        if (passed < 0)
            return QStringLiteral("never ended");
        try {
            const ProviderAllowance allowance = test::waitFor(task);
            return QStringLiteral("%1 left, %2").arg(allowance.limits.value(0).value, allowance.detail);
        } catch (const ProviderConnectorError &error) {
            QString text = QStringLiteral("error: ") + QString::fromLatin1(error.what());
            if (error.retryAfter())
                text += QStringLiteral(" %1").arg(*error.retryAfter());
            return text;
        } catch (const std::exception &error) {
            return QStringLiteral("exception: ") + QString::fromUtf8(error.what());
        }
    }

    static QByteArray page(const QByteArray &body) { return "<!doctype html><html><body>" + body + "</body></html>"; }

private Q_SLOTS:
    void initTestCase()
    {
        QProcess openssl;
        openssl.setWorkingDirectory(m_dir.path());
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                       QStringLiteral("-nodes"), QStringLiteral("-keyout"), QStringLiteral("key.pem"), QStringLiteral("-out"),
                       QStringLiteral("cert.pem"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=framer.test"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=DNS:framer.test,DNS:*.framer.test")});
        QVERIFY(openssl.waitForFinished(60'000));
        QCOMPARE(openssl.exitCode(), 0);
        const QList<QSslCertificate> certificates = QSslCertificate::fromPath(m_dir.filePath(QStringLiteral("cert.pem")));
        QCOMPARE(certificates.size(), 1);
        QFile keyFile(m_dir.filePath(QStringLiteral("key.pem")));
        QVERIFY(keyFile.open(QIODevice::ReadOnly));
        m_server.sslSetup(certificates[0], QSslKey(&keyFile, QSsl::Rsa));

        m_server.route("/projects/", [this] {
            QHttpServerResponse response(QByteArrayLiteral("text/html"), m_projectsPage);
            return response;
        });
        m_server.route("/projects/<arg>", [](const QString &) {
            return QHttpServerResponse(QByteArrayLiteral("text/html"), page("<p>One project</p>"));
        });
        m_server.route("/login/", [] { return QHttpServerResponse(QByteArrayLiteral("text/html"), page("<p>Log in</p>")); });
        m_server.route("/login", [] { return QHttpServerResponse(QByteArrayLiteral("text/html"), page("<p>Log in</p>")); });
        m_server.route("/elsewhere", [] { return QHttpServerResponse(QByteArrayLiteral("text/html"), page("<p>Elsewhere</p>")); });
        m_server.route("/auth", [] { return QHttpServerResponse(QByteArrayLiteral("text/html"), page("<p>Signing in</p>")); });
        m_server.route("/web/teams/<arg>/avatar.png", [](const QString &) { return QHttpServerResponse(QHttpServerResponse::StatusCode::Ok); });
        m_server.route("/web/teams/<arg>/ai-credits", [this](const QString &team, const QHttpServerRequest &request) {
            m_requestedTeams.append(team);
            const CreditsReply reply = m_credits.value(team, m_anyTeam);
            QHttpServerResponse response(QByteArrayLiteral("application/json"), reply.body,
                                         QHttpServerResponse::StatusCode(reply.status));
            // A credentialed cross-origin read needs both.
            response.setHeader("Access-Control-Allow-Origin", request.value("Origin"));
            response.setHeader("Access-Control-Allow-Credentials", "true");
            return response;
        });
        m_port = m_server.listen(QHostAddress::LocalHost);
        QVERIFY(m_port != 0);
        QVERIFY(m_silent.listen(QHostAddress::LocalHost));
        m_profile = new QWebEngineProfile(this); // off the record: nothing persists between tests
    }

    void init()
    {
        m_clock = std::make_unique<test::ManualClock>();
        m_storedTeam.reset();
        m_projectsPage = page("<p>Projects</p>");
        m_credits.clear();
        m_anyTeam = CreditsReply{};
        m_requestedTeams.clear();
        m_openedInBrowser.clear();
        makeConnector(configuration());
    }

    void cleanup() { m_connector.reset(); }

    void engineStartsOnlyWhenNeeded()
    {
        QVERIFY(!m_connector->hasPage());
        QCOMPARE(m_connector->connectionProgress(), FramerConnectionProgress{});
        QVERIFY(!m_connector->navigateBack());
        QVERIFY(!m_connector->hasPage());
    }

    void candidatesAreTriedInOrderWithTheStoredIdLast()
    {
        m_storedTeam = storedTeam;
        makeConnector(configuration(QStringLiteral("?teamId=") + teamA));
        m_projectsPage = page(QStringLiteral("<img src=\"https://api.framer.test:%1/web/teams/%2/avatar.png\">"
                                             "<link rel=\"prefetch\" href=\"/projects/?team=%3\">"
                                             "<a href=\"/projects/?teamId=not-a-team-id\">bad</a>"
                                             "<a href=\"/projects/?teamId=%4\">again</a>")
                                  .arg(m_port)
                                  .arg(teamB, teamC, teamA)
                                  .toUtf8());
        m_credits.insert(storedTeam, CreditsReply{200, fundsBody});
        QCOMPARE(fetchOutcome(), QStringLiteral("250 left, Resets on 2 Mar"));
        QCOMPARE(m_requestedTeams, (QStringList{teamA, teamB, teamC, storedTeam}));
        QCOMPARE(m_connector->teamID(), std::optional<QString>(storedTeam));
    }

    void firstAnsweringCandidateIsRemembered()
    {
        makeConnector(configuration(QStringLiteral("?team=") + teamB));
        m_credits.insert(teamB, CreditsReply{200, fundsBody});
        QCOMPARE(fetchOutcome(), QStringLiteral("250 left, Resets on 2 Mar"));
        QCOMPARE(m_connector->teamID(), std::optional<QString>(teamB));
    }

    void replies_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("signed out everywhere") << 401 << QStringLiteral("error: connectionRequired");
        QTest::newRow("rate limited") << 429 << QStringLiteral("error: rateLimited 60");
    }

    void replies()
    {
        QFETCH(int, status);
        QFETCH(QString, outcome);
        m_storedTeam = storedTeam;
        makeConnector(configuration(QStringLiteral("?teamId=") + teamA));
        m_anyTeam = CreditsReply{status, "{}"};
        QCOMPARE(fetchOutcome(), outcome);
        const QStringList tried = status == 401 ? QStringList{teamA, storedTeam} : QStringList{teamA};
        QCOMPARE(m_requestedTeams, tried);
    }

    void answersDependOnNoPageGlobals_data()
    {
        QTest::addColumn<QByteArray>("pageBody");
        QTest::addColumn<QByteArray>("credits");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("page replaces console and JSON")
            << QByteArray("<script>console.info = () => {}; JSON.stringify = () => '{}'; window.fetch = () => Promise.reject('no');</script>")
            << fundsBody << QStringLiteral("250 left, Resets on 2 Mar");
        QTest::newRow("infinite credits are refused")
            << QByteArray("<p>Projects</p>")
            << QByteArray(R"({"availableCredits":1e999,"funds":[{"grants":[{"allocatedCredits":500,"remainingCredits":250}]}]})")
            << QStringLiteral("error: invalidResponse");
    }

    void answersDependOnNoPageGlobals()
    {
        QFETCH(QByteArray, pageBody);
        QFETCH(QByteArray, credits);
        QFETCH(QString, outcome);
        makeConnector(configuration(QStringLiteral("?teamId=") + teamA));
        m_projectsPage = page(pageBody);
        m_credits.insert(teamA, CreditsReply{200, credits});
        QCOMPARE(fetchOutcome(), outcome);
    }

    void noTeamFound_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("page asks to sign in") << QByteArray("<p>Please Sign In to continue</p>") << QStringLiteral("error: connectionRequired");
        QTest::newRow("page says nothing useful") << QByteArray("<p>Loading…</p>") << QStringLiteral("error: processFailed");
    }

    void noTeamFound()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, outcome);
        m_projectsPage = page(text);
        int sleeps = 0;
        QCOMPARE(fetchOutcome(&sleeps), outcome);
        // Sixteen script runs, each followed by its half-second pause.
        QCOMPARE(sleeps, 16);
        QVERIFY(m_requestedTeams.isEmpty());
    }

    void pollingStopsAtTheDeadline()
    {
        auto task = m_connector->fetchAllowance();
        // Every script run takes 1.5 s here (well inside its own guard), so with the pauses the
        // 20 s deadline comes before the sixteenth run.
        int slowRuns = 0;
        for (int spin = 0; spin < 4000 && !task.isReady(); ++spin) {
            QTest::qWait(5);
            const std::optional<Clock::Duration> next = m_clock->nextDelay();
            if (!next)
                continue;
            if (*next <= 500ms) {
                m_clock->advance(*next);
            } else if (*next > 9s && *next <= 10s) { // a script in flight, not the navigation
                m_clock->advance(1500ms);
                ++slowRuns;
            }
        }
        QVERIFY(task.isReady());
        QVERIFY2(slowRuns >= 9 && slowRuns < 16, qPrintable(QString::number(slowRuns)));
        QCOMPARE(test::connectorErrorOf(task), ProviderConnectorError::Kind::timedOut);
    }

    void startPageThatNeverLoads()
    {
        FramerConfiguration silent = configuration();
        silent.startPage = QUrl(QStringLiteral("https://framer.test:%1/projects/").arg(m_silent.serverPort()));
        makeConnector(silent);
        auto task = m_connector->fetchAllowance();
        QTest::qWait(200);
        m_clock->advance(19'900ms);
        QTest::qWait(100);
        QVERIFY(!task.isReady());
        m_clock->advance(100ms);
        QTRY_VERIFY(task.isReady());
        QCOMPARE(test::connectorErrorOf(task), ProviderConnectorError::Kind::timedOut);
    }

    void secondLoadWhilePending()
    {
        auto first = m_connector->load(configuration().startPage);
        QCOMPARE(test::connectorErrorOf(m_connector->load(configuration().startPage)), ProviderConnectorError::Kind::processFailed);
        test::waitFor(first);
    }

    void connectedShortlyAfterAProjectsPage()
    {
        test::waitFor(m_connector->load(QUrl(origin() + QStringLiteral("/projects/123"))));
        m_clock->advance(349ms);
        QVERIFY(m_connector->connectionProgress().kind != FramerConnectionProgress::Kind::connected);
        m_clock->advance(1ms);
        QCOMPARE(m_connector->connectionProgress().kind, FramerConnectionProgress::Kind::connected);

        m_connector->prepareForConnection();
        QCOMPARE(m_connector->connectionProgress().kind, FramerConnectionProgress::Kind::idle);
        test::waitFor(m_connector->load(QUrl(origin() + QStringLiteral("/login"))));
        m_clock->advance(1s);
        QCOMPARE(m_connector->connectionProgress().kind, FramerConnectionProgress::Kind::idle);
    }

    void magicLinks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("trimmed") << QStringLiteral("  https://framer.test:%1/auth?token=1 \n") << true;
        QTest::newRow("subdomain") << QStringLiteral("https://login.framer.test:%1/auth?token=2") << true;
        QTest::newRow("plain http") << QStringLiteral("http://framer.test:%1/auth") << false;
        QTest::newRow("another host") << QStringLiteral("https://framer.example:%1/auth") << false;
        QTest::newRow("not a link") << QStringLiteral("check your mail %1") << false;
    }

    void magicLinks()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        m_connector->openMagicLink(text.arg(m_port));
        if (!accepted) {
            QCOMPARE(m_connector->connectionProgress(),
                     FramerConnectionProgress::failed(QStringLiteral("Copy the Framer sign-in link from your email, then try again.")));
            return;
        }
        QCOMPARE(m_connector->connectionProgress().kind, FramerConnectionProgress::Kind::openingMagicLink);
        QTRY_COMPARE(m_connector->page().url().path(), QStringLiteral("/auth"));
        QTRY_VERIFY(!m_connector->page().isLoading());
        QCOMPARE(m_connector->connectionProgress().kind, FramerConnectionProgress::Kind::openingMagicLink);
    }

    void magicLinkThatFailsToLoad()
    {
        m_connector->openMagicLink(QStringLiteral("https://framer.test:1/auth"));
        QTRY_COMPARE(m_connector->connectionProgress(),
                     FramerConnectionProgress::failed(QStringLiteral("Framer couldn't open that sign-in link.")));
    }

    void navigateBack()
    {
        test::waitFor(m_connector->load(QUrl(origin() + QStringLiteral("/login/"))));
        m_connector->openMagicLink(QStringLiteral("not a link"));
        const FramerConnectionProgress rejected = m_connector->connectionProgress();
        QVERIFY(!m_connector->navigateBack());
        QCOMPARE(m_connector->connectionProgress(), rejected);

        test::waitFor(m_connector->load(QUrl(origin() + QStringLiteral("/elsewhere"))));
        QVERIFY(m_connector->navigateBack());
        QCOMPARE(m_connector->connectionProgress().kind, FramerConnectionProgress::Kind::idle);
        QTRY_COMPARE(m_connector->page().url().path(), QStringLiteral("/login/"));
    }

    void outsideLinksOpenInTheBrowser()
    {
        m_projectsPage = page(QStringLiteral("<a id=\"out\" href=\"https://example.org/help\">help</a>").toUtf8());
        test::waitFor(m_connector->load(configuration().startPage));
        m_connector->page().runJavaScript(QStringLiteral("document.getElementById('out').click()"));
        QTRY_COMPARE(m_openedInBrowser, QList<QUrl>{QUrl(QStringLiteral("https://example.org/help"))});
        QTest::qWait(200);
        QCOMPARE(m_connector->page().url().path(), QStringLiteral("/projects/"));
    }

    void popupToGoogleLoadsInTheSameView()
    {
        test::waitFor(m_connector->load(configuration().startPage));
        const QString signIn = QStringLiteral("https://accounts.google.test:%1/elsewhere").arg(m_port);
        m_connector->page().runJavaScript(QStringLiteral("window.open('%1')").arg(signIn));
        QTRY_COMPARE(m_connector->page().url(), QUrl(signIn));
        QVERIFY(m_openedInBrowser.isEmpty());
    }
    void connectionWindowFollowsTheProgress()
    {
        FramerConnectionWindow window(*m_connector, *m_clock);
        QSignalSpy closed(&window, &FramerConnectionWindow::closed);
        window.show();
        QCOMPARE(window.minimumSize(), QSize(860, 700));
        // What a screen reader says: the title and the detail, never a symbol's name.
        const auto status = [&window] {
            QStringList spoken;
            for (QLabel *label : {window.statusTitle(), window.statusDetail()})
                spoken.append(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name));
            return spoken;
        };
        QCOMPARE(status(), (QStringList{QStringLiteral("Using email?"),
                                        QStringLiteral("Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.")}));

        // An empty clipboard reaches the connector, which says what went wrong.
        QGuiApplication::clipboard()->clear();
        window.pasteLinkButton()->click();
        QCOMPARE(status(), (QStringList{QStringLiteral("That link didn't work"), QStringLiteral("Copy the Framer sign-in link from your email, then try again.")}));
        QCOMPARE(m_connector->connectionProgress().message, QStringLiteral("Copy the Framer sign-in link from your email, then try again."));
        QVERIFY(window.pasteLinkButton()->isEnabled());

        QGuiApplication::clipboard()->setText(origin() + QStringLiteral("/auth"));
        window.pasteLinkButton()->click();
        QCOMPARE(status(), (QStringList{QStringLiteral("Opening your magic link…"), QStringLiteral("Quelta is completing the sign-in inside this window.")}));
        QVERIFY(!window.pasteLinkButton()->isEnabled());

        test::waitFor(m_connector->load(configuration().startPage));
        m_clock->advance(350ms);
        QTRY_COMPARE(status(), (QStringList{QStringLiteral("Framer connected"), QStringLiteral("You can close this window and refresh your allowances.")}));
        // It closes itself, once, 0.45 s after the connection.
        m_clock->advance(449ms);
        QVERIFY(window.isVisible());
        m_clock->advance(1ms);
        QVERIFY(!window.isVisible());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(closed.at(0).at(0).toBool(), true);
    }

    void connectionWindowSymbols_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("waiting for the email") << QString() << false << QStringLiteral("envelope");
        QTest::newRow("link refused") << QStringLiteral("not a link") << false << QStringLiteral("exclamationmark.triangle.fill");
        QTest::newRow("link opening") << origin() + QStringLiteral("/auth") << false << QStringLiteral("link");
        QTest::newRow("connected") << QString() << true << QStringLiteral("checkmark.circle.fill");
    }

    void connectionWindowSymbols()
    {
        QFETCH(QString, pasted);
        QFETCH(bool, signedIn);
        QFETCH(QString, symbol);
        FramerConnectionWindow window(*m_connector, *m_clock);
        window.show();
        if (!pasted.isNull()) {
            QGuiApplication::clipboard()->setText(pasted);
            window.pasteLinkButton()->click();
        }
        if (signedIn) {
            test::waitFor(m_connector->load(configuration().startPage));
            m_clock->advance(350ms);
        }
        QTRY_COMPARE(window.statusSymbol(), symbol);
    }

    void readEndsWithItsSession_data()
    {
        QTest::addColumn<bool>("pageLoads");
        QTest::newRow("while the start page loads") << false;
        QTest::newRow("between two polls") << true;
    }

    void readEndsWithItsSession()
    {
        QFETCH(bool, pageLoads);
        if (!pageLoads) {
            FramerConfiguration silent = configuration();
            silent.startPage = QUrl(QStringLiteral("https://framer.test:%1/projects/").arg(m_silent.serverPort()));
            makeConnector(silent);
        }
        m_projectsPage = page("<p>Loading…</p>");
        auto task = m_connector->fetchAllowance();
        const Clock::Duration awaited = pageLoads ? Clock::Duration(500ms) : Clock::Duration(20s);
        QTRY_VERIFY(m_clock->requestedDelays().contains(awaited));
        m_connector.reset();
        m_clock->advance(30s);
        QTRY_VERIFY(task.isReady());
        QVERIFY_THROWS_EXCEPTION(OperationCancelled, test::waitFor(task));
    }

    void escapeLeavesOnlyFromTheLoginPage()
    {
        FramerConfiguration login = configuration();
        login.startPage = QUrl(origin() + QStringLiteral("/login"));
        makeConnector(login);
        FramerConnectionWindow window(*m_connector, *m_clock);
        // The window loads the start page itself; a second load may only start once that one ends.
        QSignalSpy startPageLoaded(&m_connector->page(), &QWebEnginePage::loadFinished);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!startPageLoaded.isEmpty());
        QCOMPARE(m_connector->page().url().path(), QStringLiteral("/login"));
        test::waitFor(m_connector->load(QUrl(origin() + QStringLiteral("/elsewhere"))));
        QCOMPARE(m_connector->page().url().path(), QStringLiteral("/elsewhere"));
        // A shortcut clicks its button a moment later.
        QTest::keyClick(&window, Qt::Key_Escape);
        QTRY_COMPARE(m_connector->page().url().path(), QStringLiteral("/login"));
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
        QTRY_VERIFY(!window.isVisible());
    }
    void helperProgramAnswersInOneLine()
    {
        // The real helper, with Framer's own addresses resolved to this test's server.
        m_projectsPage = page(QStringLiteral("<a href=\"/projects/?teamId=%1\">team</a>").arg(teamA).toUtf8());
        m_credits.insert(teamA, CreditsReply{200, fundsBody});
        QProcess helper;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"),
                           QStringLiteral("--host-resolver-rules=\"MAP framer.com 127.0.0.1:%1, MAP api.framer.com 127.0.0.1:%1\" "
                                          "--ignore-certificate-errors")
                               .arg(m_port));
        helper.setProcessEnvironment(environment);
        QSignalSpy finished(&helper, &QProcess::finished);
        helper.start(QStringLiteral(QUELTA_WEB_PROGRAM), {QStringLiteral("fetch")});
        // This process serves the pages: wait with its event loop running.
        QVERIFY(finished.wait(60'000));
        QCOMPARE(helper.exitCode(), 0);
        const QByteArray lines = helper.readAllStandardOutput();
        const std::optional<framerHelper::FetchAnswer> answer = framerHelper::readFetchLine(lines);
        QVERIFY2(answer && std::holds_alternative<ProviderAllowance>(answer->outcome), lines.constData());
        QCOMPARE(std::get<ProviderAllowance>(answer->outcome).remaining, 50);
        QCOMPARE(answer->teamID, std::optional(teamA));
    }
};

int main(int argc, char *argv[])
{
    // Test-process-only browser flags: the test host names resolve to loopback, and the
    // certificate this test generated is accepted. Root cannot run Chromium's sandbox.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            "--host-resolver-rules=\"MAP *.test 127.0.0.1, MAP *.example 127.0.0.1\" --ignore-certificate-errors");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("TZ", "UTC");
    QApplication app(argc, argv);
    FramerWebSessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FramerWebSessionTest.moc"
