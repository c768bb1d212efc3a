#include "history/HistoryStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <unistd.h>

using namespace quelta;

namespace {

const QDateTime start(QDate(2026, 11, 2), QTime(9, 0), Qt::UTC);
const HistorySeries weekly{QStringLiteral("codex"), QStringLiteral("work"), QStringLiteral("weekly")};

// One refresh's figure: minutes after the start, percent used, hours from the start to the reset.
struct Refresh {
    int minute;
    int used;
    int resetHour;
};

HistorySample sampleAt(const Refresh &refresh)
{
    HistorySample sample;
    sample.takenAt = start.addSecs(refresh.minute * 60);
    sample.series = weekly;
    sample.limitName = QStringLiteral("Weekly limit");
    sample.usedPercent = refresh.used;
    sample.resetsAt = start.addSecs(refresh.resetHour * 3600);
    sample.windowSeconds = 7 * 24 * 3600;
    return sample;
}

QList<int> storedMinutes(HistoryStore &store)
{
    QList<int> minutes;
    for (const HistorySample &sample : store.samples({}))
        minutes << int(start.secsTo(sample.takenAt) / 60);
    return minutes;
}

} // namespace

Q_DECLARE_METATYPE(QList<Refresh>)

class HistoryStoreTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString path() const { return m_dir->filePath(QStringLiteral("history.sqlite")); }

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void keepsWhatTheSamplingRuleKeeps_data()
    {
        QTest::addColumn<QList<Refresh>>("refreshes");
        QTest::addColumn<QList<int>>("stored");
        QTest::newRow("first figure") << QList<Refresh>{{0, 10, 100}} << QList<int>{0};
        QTest::newRow("steady under an hour") << QList<Refresh>{{0, 10, 100}, {5, 10, 100}, {59, 10, 100}} << QList<int>{0};
        QTest::newRow("steady for an hour") << QList<Refresh>{{0, 10, 100}, {30, 10, 100}, {60, 10, 100}, {65, 10, 100}}
                                            << QList<int>{0, 60};
        QTest::newRow("every change") << QList<Refresh>{{0, 10, 100}, {5, 11, 100}, {10, 11, 100}, {15, 12, 100}}
                                      << QList<int>{0, 5, 15};
        QTest::newRow("a sleeping machine leaves a gap") << QList<Refresh>{{0, 10, 100}, {8 * 60, 10, 100}} << QList<int>{0, 480};
        QTest::newRow("reset moved") << QList<Refresh>{{0, 10, 100}, {5, 10, 268}} << QList<int>{0, 5};
    }
    void keepsWhatTheSamplingRuleKeeps()
    {
        QFETCH(QList<Refresh>, refreshes);
        HistoryStore store(path());
        for (const Refresh &refresh : refreshes)
            QVERIFY(store.record({sampleAt(refresh)}));
        QFETCH(QList<int>, stored);
        QCOMPARE(storedMinutes(store), stored);
        QCOMPARE(store.samples({}).first(), sampleAt(refreshes.first()));
    }

    void recordsEachWindowThatEnds_data()
    {
        QTest::addColumn<QList<Refresh>>("refreshes");
        QTest::addColumn<int>("resets");
        QTest::addColumn<int>("peak");
        QTest::addColumn<int>("ranOutMinute");
        QTest::newRow("ran out, then reset") << QList<Refresh>{{0, 40, 5}, {60, 100, 5}, {120, 100, 5}, {301, 0, 10}} << 1 << 100 << 60;
        QTest::newRow("reset without running out") << QList<Refresh>{{0, 40, 5}, {60, 70, 5}, {301, 3, 10}} << 1 << 70 << -1;
        QTest::newRow("reset time wobbles by seconds") << QList<Refresh>{{0, 40, 5}, {60, 41, 5}} << 0 << 0 << -1;
        QTest::newRow("seen twice after the reset") << QList<Refresh>{{0, 40, 5}, {301, 0, 5}, {302, 1, 10}} << 1 << 40 << -1;
    }
    void recordsEachWindowThatEnds()
    {
        QFETCH(QList<Refresh>, refreshes);
        QFETCH(int, resets);
        HistoryStore store(path());
        for (Refresh refresh : refreshes) {
            // The reset wobbles by a few seconds from one answer to the next.
            HistorySample sample = sampleAt(refresh);
            sample.resetsAt = sample.resetsAt->addSecs(refresh.minute % 2 ? 7 : 0);
            QVERIFY(store.record({sample}));
        }
        const QList<WindowReset> found = store.resets({});
        QCOMPARE(found.size(), resets);
        // An import of the same figures, moving to a new machine, notes the same windows.
        HistoryStore copy(m_dir->filePath(QStringLiteral("copy.sqlite")));
        QVERIFY(copy.import(store.samples({})));
        QCOMPARE(copy.resets({}), found);
        if (resets == 0)
            return;
        QCOMPARE(found[0].series, weekly);
        QFETCH(int, peak);
        QFETCH(int, ranOutMinute);
        QCOMPARE(found[0].peakPercent, peak);
        QCOMPARE(found[0].windowResetAt, start.addSecs(5 * 3600));
        QCOMPARE(found[0].ranOutAt, ranOutMinute < 0 ? std::nullopt : std::optional(start.addSecs(ranOutMinute * 60)));
    }

    void prunesOnceADay_data()
    {
        QTest::addColumn<std::optional<int>>("retentionDays");
        QTest::addColumn<QList<int>>("daysKept");
        QTest::newRow("90 days") << std::optional(90) << QList<int>{-80, 0};
        QTest::newRow("30 days") << std::optional(30) << QList<int>{0};
        QTest::newRow("forever") << std::optional<int>() << QList<int>{-400, -80, 0};
    }
    void prunesOnceADay()
    {
        QFETCH(std::optional<int>, retentionDays);
        const auto retention = retentionDays ? std::optional(std::chrono::days(*retentionDays)) : std::nullopt;
        HistoryStore store(path());
        QList<HistorySample> old;
        for (const int day : {-400, -80, 0})
            old << sampleAt({day * 24 * 60, 10, day * 24 + 100});
        QCOMPARE(store.import(old), 3);
        store.pruneIfDue(start, retention);
        QList<int> kept;
        for (const HistorySample &sample : store.samples({}))
            kept << int(start.daysTo(sample.takenAt));
        QFETCH(QList<int>, daysKept);
        QCOMPARE(kept, daysKept);

        // Within the day nothing is pruned again, unless asked at once; the next day it is.
        QCOMPARE(store.import(old), 3 - kept.size());
        store.pruneIfDue(start.addSecs(23 * 3600), retention);
        QCOMPARE(store.samples({}).size(), 3);
        store.pruneIfDue(start.addDays(1), retention);
        QCOMPARE(store.samples({}).size(), retention ? kept.size() : 3);
        QCOMPARE(store.import(old), retention ? 3 - kept.size() : 0);
        store.pruneNow(start.addDays(1).addSecs(3600), retention);
        QCOMPARE(store.samples({}).size(), retention ? kept.size() : 3);
    }

    void upgradesOlderFiles()
    {
        {
            // The first version kept samples only, without their windows' ends.
            auto database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            database.setDatabaseName(path());
            QVERIFY(database.open());
            QSqlQuery query(database);
            QVERIFY(query.exec("CREATE TABLE series (id INTEGER PRIMARY KEY, provider TEXT NOT NULL, account TEXT NOT NULL,"
                               " limit_id TEXT NOT NULL, limit_name TEXT NOT NULL, window_seconds INTEGER,"
                               " UNIQUE (provider, account, limit_id))"));
            QVERIFY(query.exec("CREATE TABLE samples (series_id INTEGER NOT NULL REFERENCES series (id), taken_at INTEGER NOT NULL,"
                               " used_percent INTEGER NOT NULL, resets_at INTEGER, PRIMARY KEY (series_id, taken_at)) WITHOUT ROWID"));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO series VALUES (7, 'codex', 'work', 'weekly', 'Weekly limit', %1)").arg(7 * 24 * 3600)));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO samples VALUES (7, %1, 40, %2)")
                                   .arg(start.toMSecsSinceEpoch())
                                   .arg(start.addSecs(5 * 3600).toMSecsSinceEpoch())));
            QVERIFY(query.exec("PRAGMA user_version = 1"));
            database.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
        HistoryStore store(path());
        QVERIFY(store.isAvailable());
        QCOMPARE(store.samples({}), QList<HistorySample>{sampleAt({0, 40, 5})});
        // The resets the new version adds are recorded from the old samples on.
        QVERIFY(store.record({sampleAt({301, 0, 10})}));
        QCOMPARE(store.resets({}).size(), 1);
    }

    void setsADamagedFileAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a database") << QByteArray("{\"providers\": []}\n");
        QTest::newRow("a damaged header") << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff');
    }
    void setsADamagedFileAside()
    {
        QFETCH(QByteArray, content);
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        HistoryStore store(path());
        QVERIFY(store.isAvailable());
        QVERIFY(store.record({sampleAt({0, 10, 5})}));
        QFile aside(path() + QLatin1String(".corrupt"));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), content);
    }

    void goesOnWithoutAWritableFolder()
    {
        const QString folder = m_dir->filePath(QStringLiteral("locked"));
        const QString file = folder + QLatin1String("/history.sqlite");
        QVERIFY(QDir().mkpath(folder));
        // Root writes through permissions; a read-only mount holds for it too.
        const bool root = geteuid() == 0;
        if (root && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP("a read-only folder needs a mount, which is not permitted here");
        auto unmount = qScopeGuard([&] {
            if (root)
                ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
        });
        {
            HistoryStore store(file);
            QVERIFY(store.record({sampleAt({0, 10, 5})}));
        }
        if (root)
            QCOMPARE(::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        else
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

        HistoryStore store(file);
        QVERIFY(!store.isAvailable());
        QVERIFY(store.problem());
        QVERIFY(!store.record({sampleAt({5, 11, 5})}));
        QVERIFY(store.samples({}).isEmpty());
        QVERIFY(!QFileInfo::exists(file + QLatin1String(".corrupt")));
    }

    void twoProcessesStoreEachSampleOnce()
    {
        QList<QProcess *> writers;
        for (int i = 0; i < 3; ++i) {
            auto *writer = new QProcess(this);
            writer->start(QStringLiteral(HISTORY_WRITER), {path(), QString::number(i)});
            writers << writer;
        }
        for (QProcess *writer : writers) {
            QVERIFY(writer->waitForFinished(60000));
            QCOMPARE(writer->exitCode(), 0);
        }
        HistoryStore store(path());
        // A change every 30 minutes, a reset every 5 hours: each once, whoever wrote it.
        QCOMPARE(store.samples({}).size(), 48);
        QCOMPARE(store.resets({}).size(), 4);
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "HistoryStoreTest.moc"
