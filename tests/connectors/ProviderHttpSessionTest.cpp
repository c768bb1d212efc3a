#include "ManualClock.h"
#include "WaitFor.h"
#include "connectors/HttpTransportError.h"
#include "connectors/ProviderHttpSession.h"
#include "platform/OperationCancelled.h"

#include <QHttpServer>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

class ProviderHttpSessionTest : public QObject
{
    Q_OBJECT

    QHttpServer m_server;
    quint16 m_port = 0;
    int m_targetHits = 0;
    int m_cachedHits = 0;
    QByteArray m_lastCookieHeader;

    // Accepts connections and never answers.
    QTcpServer m_silent;
    QList<QTcpSocket *> m_silentSockets;

    QUrl url(const QString &path) const { return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path)); }
    QUrl silentUrl() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_silent.serverPort())); }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.route("/redirect", [] {
            QHttpServerResponse response(QHttpServerResponse::StatusCode::Found);
            response.setHeader("Location", "/target");
            return response;
        });
        m_server.route("/target", [this] {
            ++m_targetHits;
            return QHttpServerResponse("target");
        });
        m_server.route("/set-cookie", [] {
            QHttpServerResponse response("cookie set");
            response.setHeader("Set-Cookie", "session=secret; Path=/");
            return response;
        });
        m_server.route("/echo-cookie", [this](const QHttpServerRequest &request) {
            m_lastCookieHeader = request.value("Cookie");
            return QHttpServerResponse("echo");
        });
        m_server.route("/cacheable", [this] {
            ++m_cachedHits;
            QHttpServerResponse response(QByteArray::number(m_cachedHits));
            response.setHeader("Cache-Control", "public, max-age=3600");
            return response;
        });
        m_server.route("/failure", [] {
            QHttpServerResponse response(QByteArray("{\"error\":true}"), QHttpServerResponse::StatusCode::InternalServerError);
            response.setHeader("Retry-After", "120");
            return response;
        });
        m_port = m_server.listen(QHostAddress::LocalHost);
        QVERIFY(m_port != 0);

        connect(&m_silent, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_silent.nextPendingConnection())
                m_silentSockets.append(socket);
        });
        QVERIFY(m_silent.listen(QHostAddress::LocalHost));
    }

    void redirectReachesTheCaller()
    {
        ProviderHttpSession session(Clock::system(), ProviderHttpSession::Timeouts{});
        const HttpResponse response = test::waitFor(session.get(QNetworkRequest(url("/redirect"))));
        QCOMPARE(response.status, 302);
        QCOMPARE(response.header("location"), QByteArray("/target"));
        QCOMPARE(m_targetHits, 0);
    }

    void cookiesAreNeitherKeptNorSent()
    {
        ProviderHttpSession session(Clock::system(), ProviderHttpSession::Timeouts{});
        QCOMPARE(test::waitFor(session.get(QNetworkRequest(url("/set-cookie")))).status, 200);
        test::waitFor(session.get(QNetworkRequest(url("/echo-cookie"))));
        QCOMPARE(m_lastCookieHeader, QByteArray());
    }

    void nothingIsServedFromACache()
    {
        ProviderHttpSession session(Clock::system(), ProviderHttpSession::Timeouts{});
        QCOMPARE(test::waitFor(session.get(QNetworkRequest(url("/cacheable")))).body, QByteArray("1"));
        QCOMPARE(test::waitFor(session.get(QNetworkRequest(url("/cacheable")))).body, QByteArray("2"));
    }

    void errorStatusIsAReply()
    {
        ProviderHttpSession session(Clock::system(), ProviderHttpSession::Timeouts{});
        const HttpResponse response = test::waitFor(session.get(QNetworkRequest(url("/failure"))));
        QCOMPARE(response.status, 500);
        QCOMPARE(response.header("Retry-After"), QByteArray("120"));
        QCOMPARE(response.body, QByteArray("{\"error\":true}"));
    }

    void refusedConnectionIsATransportError()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();

        ProviderHttpSession session(Clock::system(), ProviderHttpSession::Timeouts{});
        try {
            test::waitFor(session.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)))));
            QFAIL("a refused connection gave a reply");
        } catch (const HttpTransportError &error) {
            QVERIFY(!error.timedOut());
        }
    }

    void wholeExchangeTimesOut()
    {
        test::ManualClock clock;
        ProviderHttpSession session(clock, {});
        auto task = session.get(QNetworkRequest(silentUrl()));
        QTRY_VERIFY(!m_silentSockets.isEmpty());
        clock.advance(24s);
        QVERIFY(!task.isReady());
        clock.advance(1s);
        try {
            test::waitFor(task);
            QFAIL("a silent server gave a reply");
        } catch (const HttpTransportError &error) {
            QVERIFY(error.timedOut());
        }
    }

    void silenceTimesOut()
    {
        ProviderHttpSession session(Clock::system(), {200ms, 25s});
        try {
            test::waitFor(session.get(QNetworkRequest(silentUrl())));
            QFAIL("a silent server gave a reply");
        } catch (const HttpTransportError &error) {
            QVERIFY(error.timedOut());
        }
    }

    void cancellation()
    {
        ProviderHttpSession session(Clock::system(), ProviderHttpSession::Timeouts{});
        std::stop_source stop;
        auto task = session.get(QNetworkRequest(silentUrl()), stop.get_token());
        QTest::qWait(50);
        stop.request_stop();
        QVERIFY_THROWS_EXCEPTION(OperationCancelled, test::waitFor(task));
    }
};

QTEST_GUILESS_MAIN(ProviderHttpSessionTest)
#include "ProviderHttpSessionTest.moc"
