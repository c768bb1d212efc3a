#include "core/CachedProviderSnapshot.h"
#include "core/ReferenceDate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace quelta;

class CachedProviderSnapshotTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsEveryField()
    {
        ProviderLimit limit;
        limit.id = QStringLiteral("five_hour");
        limit.name = QStringLiteral("5-hour limit");
        limit.value = QStringLiteral("60% left");
        limit.percentage = 60;
        limit.percentageStyle = AllowancePercentageStyle::used;
        limit.detail = QStringLiteral("Resets in 1h 0m");
        limit.resetsAt = QDateTime(QDate(2026, 5, 1), QTime(10, 30, 15, 250), Qt::UTC);
        limit.windowDuration = 18'000;

        CachedProviderSnapshot snapshot;
        snapshot.id = QStringLiteral("claudeCode");
        snapshot.detail = QStringLiteral("Resets in 1h 0m");
        snapshot.remaining = 60;
        snapshot.displayPercentage = 40;
        snapshot.percentageStyle = AllowancePercentageStyle::used;
        snapshot.displayedLimitID = QStringLiteral("five_hour");
        snapshot.limits = QList<ProviderLimit>{limit};
        snapshot.planName = QStringLiteral("Max");
        snapshot.savedAt = QDateTime(QDate(2026, 5, 1), QTime(9, 0), Qt::UTC);

        const QByteArray bytes = QJsonDocument(snapshot.toJson()).toJson();
        QCOMPARE(CachedProviderSnapshot::fromJson(QJsonDocument::fromJson(bytes).object()), snapshot);
    }

    void optionalKeysAreOmittedAndReadAsAbsent()
    {
        const QJsonObject minimal{{"id", "codex"}, {"detail", "d"}, {"savedAt", 0}};
        const auto snapshot = CachedProviderSnapshot::fromJson(minimal);
        QVERIFY(snapshot);
        QVERIFY(!snapshot->limits && !snapshot->percentageStyle && !snapshot->remaining && !snapshot->planName);
        QCOMPARE(snapshot->toJson(), minimal);
        // A savedAt of 0 is the 2001 reference date, not the Unix epoch.
        QCOMPARE(snapshot->savedAt, QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC));
        QCOMPARE(dateFromSecondsSince1970(0), QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));
    }

    void malformedRecordsFail_data()
    {
        QTest::addColumn<QJsonObject>("object");
        const QJsonObject good{{"id", "codex"}, {"detail", "d"}, {"savedAt", 5}};
        auto with = [&](const QString &key, const QJsonValue &value) {
            QJsonObject object = good;
            object.insert(key, value);
            return object;
        };
        auto without = [&](const QString &key) {
            QJsonObject object = good;
            object.remove(key);
            return object;
        };
        QTest::newRow("no savedAt") << without(QStringLiteral("savedAt"));
        QTest::newRow("no detail") << without(QStringLiteral("detail"));
        QTest::newRow("savedAt overflowing") << with(QStringLiteral("savedAt"), 1e20);
        QTest::newRow("savedAt past year 9999") << with(QStringLiteral("savedAt"), 1e17);
        QTest::newRow("resetsAt overflowing")
            << with(QStringLiteral("limits"), QJsonArray{QJsonObject{{"id", "a"}, {"name", "n"}, {"value", "v"}, {"percentageStyle", "used"}, {"resetsAt", 1e20}}});
        QTest::newRow("remaining as text") << with(QStringLiteral("remaining"), QStringLiteral("5"));
        QTest::newRow("remaining fractional") << with(QStringLiteral("remaining"), 5.5);
        QTest::newRow("unknown style") << with(QStringLiteral("percentageStyle"), QStringLiteral("left"));
        QTest::newRow("limits not an array") << with(QStringLiteral("limits"), QJsonObject());
        QTest::newRow("limit without name")
            << with(QStringLiteral("limits"), QJsonArray{QJsonObject{{"id", "a"}, {"value", "v"}, {"percentageStyle", "used"}}});
        QTest::newRow("limit without style")
            << with(QStringLiteral("limits"), QJsonArray{QJsonObject{{"id", "a"}, {"name", "n"}, {"value", "v"}}});
    }

    void malformedRecordsFail()
    {
        QFETCH(QJsonObject, object);
        QCOMPARE(CachedProviderSnapshot::fromJson(object), std::nullopt);
    }

    void unknownProviderStillDecodes()
    {
        const auto snapshot = CachedProviderSnapshot::fromJson({{"id", "gemini"}, {"detail", "d"}, {"savedAt", 1}});
        QVERIFY(snapshot);
        QCOMPARE(snapshot->id, QStringLiteral("gemini"));
    }
};

QTEST_GUILESS_MAIN(CachedProviderSnapshotTest)
#include "CachedProviderSnapshotTest.moc"
