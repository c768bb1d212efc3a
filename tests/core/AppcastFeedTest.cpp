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
    }

    void versions()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(int, order);
        QCOMPARE(compareVersions(left, right), order);
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
        QCOMPARE(newestRelease(feed), (AppcastRelease{QStringLiteral("1.10"), QUrl(QStringLiteral("https://example.org/1.10.tar.gz"))}));
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
