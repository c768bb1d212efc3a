#include "connectors/NumericValue.h"
#include "connectors/ResetCountdownText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace quelta;

Q_DECLARE_METATYPE(std::optional<double>)

class ConnectorValuesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resetCountdownText_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("59 s") << qint64(59'000) << QStringLiteral("Resets in 0m");
        QTest::newRow("just under a minute") << qint64(59'999) << QStringLiteral("Resets in 0m");
        QTest::newRow("45 min") << qint64(45 * 60'000) << QStringLiteral("Resets in 45m");
        QTest::newRow("one hour") << qint64(3'600'000) << QStringLiteral("Resets in 1h 0m");
        QTest::newRow("2 h 5 min") << qint64((2 * 3600 + 5 * 60) * 1000) << QStringLiteral("Resets in 2h 5m");
        QTest::newRow("just under a day") << qint64(86'399'000) << QStringLiteral("Resets in 23h 59m");
        QTest::newRow("one day") << qint64(86'400'000) << QStringLiteral("Resets in 1d 0h");
        QTest::newRow("3 d 4 h 59 min") << qint64(((3 * 24 + 4) * 3600 + 59 * 60) * 1000) << QStringLiteral("Resets in 3d 4h");
        QTest::newRow("past") << qint64(-7'200'000) << QStringLiteral("Resets in 0m");
    }

    void resetCountdownText()
    {
        QFETCH(qint64, milliseconds);
        QFETCH(QString, text);
        const QDateTime now(QDate(2026, 6, 1), QTime(8, 0), Qt::UTC);
        QCOMPARE(quelta::resetCountdownText(now.addMSecs(milliseconds), now), text);
    }

    void numericValue_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<std::optional<double>>("number");
        QTest::newRow("integer") << QByteArray("[42]") << std::optional<double>(42);
        QTest::newRow("fraction") << QByteArray("[-0.5]") << std::optional<double>(-0.5);
        QTest::newRow("true") << QByteArray("[true]") << std::optional<double>();
        QTest::newRow("digits as text") << QByteArray("[\"42\"]") << std::optional<double>();
        QTest::newRow("null") << QByteArray("[null]") << std::optional<double>();
        QTest::newRow("object") << QByteArray("[{}]") << std::optional<double>();
    }

    void numericValue()
    {
        QFETCH(QByteArray, json);
        QFETCH(std::optional<double>, number);
        QCOMPARE(quelta::numericValue(QJsonDocument::fromJson(json).array().at(0)), number);
        QCOMPARE(quelta::numericValue(QJsonValue(std::numeric_limits<double>::infinity())), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(ConnectorValuesTest)
#include "ConnectorValuesTest.moc"
