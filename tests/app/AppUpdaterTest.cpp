#include "ManualClock.h"
#include "WaitFor.h"

#include "app/AppUpdater.h"

#include <QHttpServer>
#include <QHttpServerResponse>
#include <QTest>

using namespace quelta;
using Kind = AppUpdater::Answer::Kind;
Q_DECLARE_METATYPE(AppUpdater::Answer::Kind)

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
        QTest::addColumn<QString>("published");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("newer") << "0.10.0" << Kind::newer;
        QTest::newRow("same") << "0.9.0" << Kind::upToDate;
        QTest::newRow("older") << "0.8.5" << Kind::upToDate;
        QTest::newRow("unreadable") << "<" << Kind::failed;
    }

    void answers()
    {
        QFETCH(QString, published);
        QFETCH(Kind, kind);
        m_feed = "<rss><channel><item><link>https://example.org/download</link><version>" + published.toUtf8()
            + "</version></item></channel></rss>";
        test::ManualClock clock;
        AppUpdater updater(feed(), QStringLiteral("0.9.0"), clock);
        const AppUpdater::Answer answer = test::waitFor(updater.check());
        QCOMPARE(answer.kind, kind);
        if (kind == Kind::newer)
            QCOMPARE(answer.release->downloadPage, QUrl(QStringLiteral("https://example.org/download")));
    }

    void noFeedConfigured()
    {
        test::ManualClock clock;
        AppUpdater updater(QUrl(), QStringLiteral("0.9.0"), clock);
        QCOMPARE(test::waitFor(updater.check()).kind, Kind::notConfigured);
        QCOMPARE(AppUpdater::title({Kind::upToDate, std::nullopt}), QStringLiteral("You’re up to date"));
    }
};

QTEST_GUILESS_MAIN(AppUpdaterTest)
#include "AppUpdaterTest.moc"
