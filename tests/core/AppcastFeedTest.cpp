#include "core/AppcastFeed.h"

#include <QTest>
#include <QUrlQuery>

using namespace quelta;

class AppcastFeedTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versions_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("order");
        QTest::newRow("numeric, not textual") << "1.10" << "1.9" << 1;
        QTest::newRow("missing parts are zero") << "2.0" << "2" << 0;
        QTest::newRow("older") << "0.9.9" << "1.0" << -1;
        QTest::newRow("numbers of any length") << "1.99999999999999999999999" << "1.99999999999999999999998" << 1;
        QTest::newRow("pre-release before its release") << "2.0-beta" << "2.0" << -1;
        QTest::newRow("pre-release after the release before") << "2.0-beta" << "1.9" << 1;
        QTest::newRow("pre-release before the next patch") << "2.0-rc.1" << "2.0.1" << -1;
        QTest::newRow("pre-release words by their letters") << "2.0-alpha" << "2.0-beta" << -1;
        QTest::newRow("pre-release numbers by value") << "2.0-beta.2" << "2.0-beta.10" << -1;
        QTest::newRow("pre-release numbers before words") << "2.0-beta.2" << "2.0-beta.x" << -1;
        QTest::newRow("longer pre-release later") << "2.0-beta.2.1" << "2.0-beta.2" << 1;
        QTest::newRow("same pre-release") << "2.0-beta.02" << "2.0.0-beta.2" << 0;
    }

    void versions()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(int, order);
        QCOMPARE(compareVersions(left, right), order);
        QCOMPARE(compareVersions(right, left), -order);
    }

    void newestItemOfTheFeed()
    {
        const QByteArray feed =
            "<?xml version='1.0'?>"
            "<rss xmlns:sparkle='http://www.andymatuschak.org/xml-namespaces/sparkle' version='2.0'><channel>"
            "<item><title>1.9</title><link>https://example.org/1.9</link><sparkle:shortVersionString>1.9</sparkle:shortVersionString></item>"
            "<item><title>1.10</title><enclosure url='https://example.org/1.10.tar.gz' sparkle:shortVersionString='1.10'/></item>"
            "<item><title>no version</title><link>https://example.org/x</link></item>"
            "</channel></rss>";
        QCOMPARE(newestRelease(feed), (AppcastRelease{{QStringLiteral("1.10"), std::nullopt}, QUrl(QStringLiteral("https://example.org/1.10.tar.gz"))}));
        QCOMPARE(newestRelease("<rss><channel><item>"), std::nullopt);
        QCOMPARE(newestRelease("<rss><channel></channel></rss>"), std::nullopt);
    }

    void feedbackAddressHasThreeItemsInOrder()
    {
        const QUrl form(QStringLiteral("https://forms.example/quelta?old=1"));
        const QUrl address = feedbackAddress(form, QStringLiteral("0.1.0"), QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
        const QList<QPair<QString, QString>> items = QUrlQuery(address).queryItems(QUrl::FullyDecoded);
        QCOMPARE(items, (QList<QPair<QString, QString>>{{"source", "App"}, {"app_version", "0.1.0"},
                                                        {"macos_version", "Debian GNU/Linux 12 (bookworm)"}}));
        QCOMPARE(QUrlQuery(feedbackAddress(form, std::nullopt, QStringLiteral("x"))).queryItemValue(QStringLiteral("app_version")),
                 QStringLiteral("Unknown"));
    }
};

QTEST_GUILESS_MAIN(AppcastFeedTest)
#include "AppcastFeedTest.moc"
