#include "core/AllowanceStore.h"
#include "core/MonitorState.h"
#include "core/ReferenceDate.h"
#include "platform/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

class AllowanceStoreTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<SettingsStore>(m_dir->path());
    }

    void enabledProviders_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("count");
        QTest::newRow("empty array") << QStringList{} << 3;
        QTest::newRow("only unknown") << QStringList{QStringLiteral("gemini")} << 3;
        QTest::newRow("one known") << QStringList{QStringLiteral("gemini"), QStringLiteral("codex")} << 1;
    }

    void enabledProviders()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, count);
        m_store->setStringList(QLatin1String(allowanceStore::enabledProvidersKey), stored);
        QCOMPARE(allowanceStore::loadEnabledProviders(*m_store).size(), count);
    }

    void enabledProvidersOfTheWrongType()
    {
        m_store->setString(QLatin1String(allowanceStore::enabledProvidersKey), QStringLiteral("codex"));
        QCOMPARE(allowanceStore::loadEnabledProviders(*m_store).size(), 3);
    }

    void authorizedMigration()
    {
        allowanceStore::saveEnabledProviders(*m_store, {ProviderID::codex, ProviderID::framer});
        QVERIFY(allowanceStore::loadAuthorizedProviders(*m_store).isEmpty());
        m_store->setBool(QLatin1String(allowanceStore::hasCompletedOnboardingKey), true);
        QCOMPARE(allowanceStore::loadAuthorizedProviders(*m_store), (AccountSet{ProviderID::codex, ProviderID::framer}));
        allowanceStore::saveAuthorizedProviders(*m_store, {});
        QVERIFY(allowanceStore::loadAuthorizedProviders(*m_store).isEmpty());
    }

    // A file written before accounts existed reads as the default accounts' state, and the named
    // accounts' entries never change what an older version reads under the old keys.
    void upgradeKeepsEveryFigure()
    {
        const QDateTime now = QDateTime::fromSecsSinceEpoch(1'780'000'000, Qt::UTC);
        ProviderAllowance claude = ProviderAllowance::failure(ProviderID::claudeCode, QStringLiteral("Resets Friday"), ConnectionState::connected,
                                                              QStringLiteral("Max"));
        claude.remaining = 40;
        claude.limits = {ProviderLimit::remainingPercent(QStringLiteral("weekly"), QStringLiteral("Weekly · all models"), 40, std::nullopt, now.addDays(2), 604800)};
        allowanceStore::saveEnabledProviders(*m_store, {ProviderID::codex, ProviderID::claudeCode});
        allowanceStore::saveAuthorizedProviders(*m_store, {ProviderID::codex, ProviderID::claudeCode});
        allowanceStore::persistSnapshots(*m_store, {{ProviderID::claudeCode, allowanceStore::makeSnapshot(claude, now.addSecs(-30))}});
        allowanceStore::saveDates(*m_store, {{ProviderID::codex, now.addSecs(600)}}, allowanceStore::retryDatesKey);
        const auto oldBytes = [&](const char *key) { return m_store->dataValue(QLatin1String(key)).value_or(QByteArray()); };
        const QByteArray oldSnapshots = oldBytes(allowanceStore::snapshotsKey);

        const AccountID work(ProviderID::claudeCode, QStringLiteral("work"));
        MonitorState state(*m_store, now, defaultAccounts() << work);
        QCOMPARE(state.record(ProviderID::claudeCode).remaining, std::optional(40));
        QCOMPARE(state.record(ProviderID::claudeCode).limits, claude.limits);
        QCOMPARE(state.retryDates().value(ProviderID::codex), now.addSecs(600));
        QCOMPARE(state.enabled(), (AccountSet{ProviderID::codex, ProviderID::claudeCode}));
        QCOMPARE(state.record(work).name, QStringLiteral("Claude \u00b7 work"));

        state.setEnabled(work, true);
        state.authorize(work);
        state.keepSnapshot(claude.forAccount(work.name), now);
        state.setRetryDate(work, now.addSecs(900));
        // What an older version reads: only bare provider names, the default accounts' entries.
        const QJsonArray snapshots = QJsonDocument::fromJson(oldBytes(allowanceStore::snapshotsKey)).array();
        QCOMPARE(snapshots.size(), 2);
        QVERIFY(snapshots.contains(QJsonDocument::fromJson(oldSnapshots).array().first()));
        QCOMPARE(m_store->stringListValue(QLatin1String(allowanceStore::enabledProvidersKey)),
                 std::optional(QStringList{"codex", "claudeCode", "claudeCode:work"}));
        const QVariantMap retries = m_store->dictionaryValue(QLatin1String(allowanceStore::retryDatesKey)).value_or(QVariantMap());
        QCOMPARE(retries.value(QStringLiteral("codex")).toDouble(), secondsSince1970(now.addSecs(600)));
        QVERIFY(retries.contains(QStringLiteral("claudeCode:work")));

        // Read again, as the next launch does.
        MonitorState again(*m_store, now, defaultAccounts() << work);
        QCOMPARE(again.record(work).remaining, std::optional(40));
        QCOMPARE(again.record(ProviderID::claudeCode).remaining, std::optional(40));
    }

    void snapshotsWithoutOptionalKeys()
    {
        const QJsonArray stored{QJsonObject{{QStringLiteral("id"), QStringLiteral("codex")},
                                            {QStringLiteral("detail"), QStringLiteral("Connected")},
                                            {QStringLiteral("savedAt"), 0}}};
        m_store->setData(QLatin1String(allowanceStore::snapshotsKey), QJsonDocument(stored).toJson());
        const AccountSnapshots snapshots = allowanceStore::loadSnapshots(*m_store, QDateTime::currentDateTimeUtc());
        QCOMPARE(snapshots.size(), 1);
        QCOMPARE(snapshots.value(ProviderID::codex).savedAt, QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC));
        const std::optional<ProviderAllowance> allowance = ProviderAllowance::fromSnapshot(snapshots.value(ProviderID::codex));
        QVERIFY(allowance && allowance->limits.isEmpty());
        QCOMPARE(allowance->percentageStyle, AllowancePercentageStyle::remaining);
    }

    void malformedSnapshotsGiveNone()
    {
        m_store->setData(QLatin1String(allowanceStore::snapshotsKey), "[{\"id\":\"codex\"}]");
        QVERIFY(allowanceStore::loadSnapshots(*m_store, QDateTime::currentDateTimeUtc()).isEmpty());
        m_store->setData(QLatin1String(allowanceStore::snapshotsKey), "not json");
        QVERIFY(allowanceStore::loadSnapshots(*m_store, QDateTime::currentDateTimeUtc()).isEmpty());
    }

    void dateDictionaries()
    {
        m_store->setDictionary(QLatin1String(allowanceStore::retryDatesKey),
                               {{QStringLiteral("codex"), 0.0}, {QStringLiteral("framer"), QStringLiteral("soon")}, {QStringLiteral("x"), 5.0},
                                {QStringLiteral("claudeCode"), qInf()}});
        const AccountDates dates = allowanceStore::loadDates(*m_store, allowanceStore::retryDatesKey);
        QCOMPARE(dates.size(), 1);
        QCOMPARE(dates.value(ProviderID::codex), QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));

        const QDateTime date(QDate(2026, 3, 1), QTime(12, 0, 0, 500), Qt::UTC);
        allowanceStore::saveDates(*m_store, {{ProviderID::claudeCode, date}}, allowanceStore::lastAttemptDatesKey);
        QCOMPARE(allowanceStore::loadDates(*m_store, allowanceStore::lastAttemptDatesKey).value(ProviderID::claudeCode), date);
        QCOMPARE(m_store->dictionaryValue(QLatin1String(allowanceStore::lastAttemptDatesKey))->value(QStringLiteral("claudeCode")).toDouble(),
                 secondsSince1970(date));
    }

    void trackedLimit()
    {
        QCOMPARE(allowanceStore::loadClaudeTrackedLimit(*m_store), ClaudeTrackedLimit::weeklyAllModels);
        m_store->setString(QLatin1String(allowanceStore::claudeTrackedLimitKey), QStringLiteral("nonsense"));
        QCOMPARE(allowanceStore::loadClaudeTrackedLimit(*m_store), ClaudeTrackedLimit::weeklyAllModels);
        allowanceStore::saveClaudeTrackedLimit(*m_store, ClaudeTrackedLimit::fiveHour);
        QCOMPARE(allowanceStore::loadClaudeTrackedLimit(*m_store), ClaudeTrackedLimit::fiveHour);
    }
};

QTEST_GUILESS_MAIN(AllowanceStoreTest)
#include "AllowanceStoreTest.moc"
