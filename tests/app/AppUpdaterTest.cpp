#include "ManualClock.h"
#include "WaitFor.h"

#include "app/AppUpdater.h"

#include <QHttpServer>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace quelta;
using namespace std::chrono_literals;
using Kind = AppUpdater::Answer::Kind;
Q_DECLARE_METATYPE(AppUpdater::Answer::Kind)

namespace {

// This build as the tests see it.
const ReleaseVersion running{QStringLiteral("0.1.0"), QStringLiteral("1")};

QByteArray feedOf(const QByteArray &items)
{
    return "<rss xmlns:sparkle='http://www.andymatuschak.org/xml-namespaces/sparkle'><channel>" + items + "</channel></rss>";
}

// Answers every request with headers promising more, then one byte of it every 50 ms.
class TricklingServer : public QTcpServer
{
public:
    TricklingServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            socket->setParent(this);
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/rss+xml\r\nContent-Length: 100000\r\n\r\n<rss>");
            auto *drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [this, socket] {
                socket->write(" ");
                ++m_sent;
            });
            drip->start(50);
        });
    }
    int sent() const { return m_sent; }

private:
    int m_sent = 0;
};

} // namespace

// The updater against a feed on loopback.
class AppUpdaterTest : public QObject
{
    Q_OBJECT

    QHttpServer m_server;
    quint16 m_port = 0;
    QByteArray m_feed;

    QUrl feed() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(m_port)); }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.route("/appcast.xml", [this] { return QHttpServerResponse(QByteArrayLiteral("application/rss+xml"), m_feed); });
        m_port = m_server.listen(QHostAddress::LocalHost);
        QVERIFY(m_port != 0);
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("items");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QUrl>("page");
        const QUrl page(QStringLiteral("https://example.org/download"));
        const auto item = [](const char *versions, const char *link = "https://example.org/download") {
            return QByteArray("<item><link>") + link + "</link>" + versions + "</item>";
        };
        QTest::newRow("this release: build 1, version 0.1.0")
            << item("<sparkle:shortVersionString>0.1.0</sparkle:shortVersionString><sparkle:version>1</sparkle:version>") << Kind::upToDate
            << "You’re up to date" << page;
        QTest::newRow("this release, in the enclosure")
            << item("<enclosure url='https://example.org/x.tar.gz' sparkle:version='1' sparkle:shortVersionString='0.1.0'/>")
            << Kind::upToDate << "You’re up to date" << page;
        QTest::newRow("newer version")
            << item("<sparkle:version>2</sparkle:version><sparkle:shortVersionString>0.10.0</sparkle:shortVersionString>") << Kind::newer
            << "Quelta 0.10.0 is available" << page;
        QTest::newRow("same version, later build")
            << item("<sparkle:version>3</sparkle:version><sparkle:shortVersionString>0.1.0</sparkle:shortVersionString>") << Kind::newer
            << "Quelta 0.1.0 is available" << page;
        QTest::newRow("older version, later build")
            << item("<sparkle:version>9</sparkle:version><sparkle:shortVersionString>0.0.9</sparkle:shortVersionString>") << Kind::upToDate
            << "You’re up to date" << page;
        QTest::newRow("build alone, later") << item("<sparkle:version>2</sparkle:version>") << Kind::newer << "Quelta 2 is available" << page;
        QTest::newRow("pre-release of the next version")
            << item("<sparkle:shortVersionString>0.2.0-beta</sparkle:shortVersionString>") << Kind::newer << "Quelta 0.2.0-beta is available"
            << page;
        QTest::newRow("pre-release of this version")
            << item("<sparkle:shortVersionString>0.1.0-beta</sparkle:shortVersionString>") << Kind::upToDate << "You’re up to date" << page;
        QTest::newRow("newest of several")
            << item("<sparkle:shortVersionString>0.3.0-rc.1</sparkle:shortVersionString>", "https://example.org/rc")
                   + item("<sparkle:shortVersionString>0.2.9</sparkle:shortVersionString>", "https://example.org/old")
            << Kind::newer << "Quelta 0.3.0-rc.1 is available" << QUrl(QStringLiteral("https://example.org/rc"));
        for (const char *link : {"javascript:alert(1)", "file:///usr/bin/xterm", "smb://example.org/share/quelta", "http://example.org/download",
                                 "https:relative"}) {
            QTest::addRow("%s link", link) << item("<sparkle:shortVersionString>0.2.0</sparkle:shortVersionString>", link) << Kind::failed
                                           << "Couldn’t check for updates" << QUrl();
        }
        QTest::newRow("other link, https enclosure")
            << item("<enclosure url='https://example.org/0.2.0.tar.gz' sparkle:shortVersionString='0.2.0'/>", "javascript:alert(1)")
            << Kind::newer << "Quelta 0.2.0 is available" << QUrl(QStringLiteral("https://example.org/0.2.0.tar.gz"));
        QTest::newRow("unreadable") << QByteArray("<") << Kind::failed << "Couldn’t check for updates" << QUrl();
    }

    void answers()
    {
        QFETCH(QByteArray, items);
        QFETCH(Kind, kind);
        QFETCH(QString, title);
        QFETCH(QUrl, page);
        m_feed = feedOf(items);
        test::ManualClock clock;
        AppUpdater updater(feed(), running, clock);
        const AppUpdater::Answer answer = test::waitFor(updater.check());
        QCOMPARE(answer.kind, kind);
        QCOMPARE(AppUpdater::title(answer), title);
        if (kind == Kind::newer)
            QCOMPARE(answer.release->downloadPage, page);
    }

    void feedSize_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("exactly 1 MiB") << qsizetype(AppUpdater::largestFeed) << Kind::newer;
        QTest::newRow("a byte more") << qsizetype(AppUpdater::largestFeed + 1) << Kind::failed;
        QTest::newRow("64 MiB") << qsizetype(64) * 1024 * 1024 << Kind::failed;
    }

    // A feed padded with a comment to the size given.
    void feedSize()
    {
        QFETCH(qsizetype, size);
        QFETCH(Kind, kind);
        m_feed = feedOf("<item><link>https://example.org/download</link><sparkle:shortVersionString>0.2.0</sparkle:shortVersionString></item>");
        m_feed.insert(m_feed.indexOf("<channel>"), "<!--" + QByteArray(size - m_feed.size() - 7, ' ') + "-->");
        QCOMPARE(m_feed.size(), size);
        test::ManualClock clock;
        AppUpdater updater(feed(), running, clock);
        QCOMPARE(test::waitFor(updater.check()).kind, kind);
    }

    void tricklingFeedEndsAtTheDeadline()
    {
        TricklingServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        test::ManualClock clock;
        AppUpdater updater(QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(server.serverPort())), running, clock);
        auto check = updater.check();
        QTRY_VERIFY(server.sent() >= 3);
        clock.advance(AppUpdater::checkDeadline - 1s);
        QTest::qWait(100);
        QVERIFY(!check.isReady());
        clock.advance(1s);
        QTRY_VERIFY_WITH_TIMEOUT(check.isReady(), 2000);
        QCOMPARE(test::waitFor(check).kind, Kind::failed);
    }

    void noFeedConfigured()
    {
        test::ManualClock clock;
        AppUpdater updater(QUrl(), running, clock);
        QCOMPARE(test::waitFor(updater.check()).kind, Kind::notConfigured);
    }
};

QTEST_GUILESS_MAIN(AppUpdaterTest)
#include "AppUpdaterTest.moc"
