#include "TinyFilesystem.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include <unistd.h>

#include <cerrno>

using namespace quelta;

class SettingsStoreTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString directory() const { return m_dir->path(); }

private Q_SLOTS:
    // What the store says is part of what it does.
    void initTestCase() { QLoggingCategory::setFilterRules("quelta.platform.settings.warning=true"); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void typesSurviveARoundTrip()
    {
        const QVariantMap dictionary{
            {"retry", 1.5}, {"count", qlonglong(3)}, {"flag", false}, {"nested", QVariantMap{{"bytes", QByteArray("\0\1", 2)}}}};
        {
            SettingsStore store(directory());
            store.setBool("bool", true);
            store.setInteger("integer", std::numeric_limits<qint64>::max());
            store.setDouble("double", 0.1);
            store.setString("string", QStringLiteral("Caf\u00e9 \u2026"));
            store.setStringList("list", {"framer", "codex", ""});
            store.setDictionary("dictionary", dictionary);
            store.setData("data", QByteArray("true"));
        }
        const SettingsStore store(directory());
        QCOMPARE(store.boolValue("bool"), true);
        QCOMPARE(store.integerValue("integer"), std::numeric_limits<qint64>::max());
        QCOMPARE(store.doubleValue("double"), 0.1);
        QCOMPARE(store.stringValue("string"), QStringLiteral("Caf\u00e9 \u2026"));
        QCOMPARE(store.stringListValue("list"), QStringList({"framer", "codex", ""}));
        QCOMPARE(store.dictionaryValue("dictionary"), dictionary);
        QCOMPARE(store.dataValue("data"), QByteArray("true"));
    }

    void anotherTypeReadsAsAbsentButPresent()
    {
        SettingsStore store(directory());
        store.setBool("flag", true);
        store.setData("bytes", QByteArray("1"));
        store.setInteger("number", 7);

        QVERIFY(store.contains("flag"));
        QCOMPARE(store.integerValue("flag"), std::nullopt);
        QCOMPARE(store.doubleValue("flag"), std::nullopt);
        QCOMPARE(store.stringValue("bytes"), std::nullopt);
        QCOMPARE(store.boolValue("bytes"), std::nullopt);
        QCOMPARE(store.doubleValue("number"), 7.0);
        QCOMPARE(store.boolValue("number"), std::nullopt);
        QVERIFY(!store.contains("missing"));
        QCOMPARE(store.boolValue("missing"), std::nullopt);

        store.remove("flag");
        QVERIFY(!SettingsStore(directory()).contains("flag"));
    }

    void suitesAreSeparate()
    {
        SettingsStore standard(directory());
        SettingsStore suite(directory(), "telemetry");
        standard.setString("key", "standard");
        suite.setString("key", "suite");
        QCOMPARE(SettingsStore(directory()).stringValue("key"), QStringLiteral("standard"));
        QCOMPARE(SettingsStore(directory(), "telemetry").stringValue("key"), QStringLiteral("suite"));
        QVERIFY(standard.filePath() != suite.filePath());
    }

    void writeFile(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void corruptFilesAreSetAsideWithoutReplacingEarlierOnes()
    {
        SettingsStore store(directory());
        const QList<QByteArray> contents{"{\"values\": {\"a\": ", "[1, 2, 3]", "{\"other\": 1}"};
        for (const QByteArray &content : contents) {
            writeFile(store.filePath(), content);
            QVERIFY(!store.contains("a"));
        }
        QCOMPARE(readFile(store.filePath() + ".corrupt"), contents[0]);
        QCOMPARE(readFile(store.filePath() + ".corrupt.1"), contents[1]);
        QCOMPARE(readFile(store.filePath() + ".corrupt.2"), contents[2]);

        QVERIFY(store.setBool("b", true));
        QCOMPARE(SettingsStore(directory()).boolValue("b"), true);
    }

    void unreadableValuesDegradeAloneAndAreWrittenBack()
    {
        const QByteArray unknownTag = R"({"type": "date", "value": 12.5})";
        SettingsStore store(directory());
        writeFile(store.filePath(), R"({"values": {
            "untagged": true,
            "badInteger": {"type": "integer", "value": "x"},
            "future": )" + unknownTag + R"(,
            "kept": {"type": "string", "value": "still here"}}})");

        QCOMPARE(store.stringValue("kept"), QStringLiteral("still here"));
        QCOMPARE(store.integerValue("badInteger"), std::nullopt);
        QVERIFY(store.contains("future"));
        QVERIFY(!QFile::exists(store.filePath() + ".corrupt"));

        QVERIFY(store.setInteger("badInteger", 4));
        const QJsonObject values = QJsonDocument::fromJson(readFile(store.filePath())).object().value("values").toObject();
        QCOMPARE(values.value("future").toObject(), QJsonDocument::fromJson(unknownTag).object());
        QCOMPARE(values.value("untagged"), QJsonValue(true));
        QCOMPARE(SettingsStore(directory()).integerValue("badInteger"), 4);
        QCOMPARE(SettingsStore(directory()).stringValue("kept"), QStringLiteral("still here"));
    }

    void aFailedSaveLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("disk full") << true;
        QTest::newRow("data not synced") << false;
    }

    void aFailedSaveLeavesTheOldFileWhole()
    {
        QFETCH(bool, diskFull);
        const QString folder = directory() + "/tiny";
        std::optional<test::TinyFilesystem> tiny;
        if (diskFull && !tiny.emplace(folder).isMounted())
            QSKIP("mounting a tmpfs is not permitted here");
        // Two pages: more than the one page left, less than a buffered write keeps back.
        const QString old(6000, 'o');
        QVERIFY(SettingsStore(folder).setString("old", old));
        const QByteArray before = readFile(SettingsStore(folder).filePath());
        // One page for the lock file, one for the new file.
        QVERIFY(!tiny || tiny->fill(2));

        const durable::SyncToDisk failingSync = [](int) {
            errno = EIO;
            return -1;
        };
        SettingsStore store(folder, SettingsStore::standardSuiteName, diskFull ? &::fsync : failingSync);
        QVERIFY(!store.setString("new", QString(6000, 'n')));
        QVERIFY(store.hasUnsavedChanges());
        QCOMPARE(readFile(store.filePath()), before);
        QCOMPARE(SettingsStore(folder).stringValue("old"), old);
    }

    void aBatchWritesOnceAtItsEnd_data()
    {
        QTest::addColumn<bool>("syncFails");
        QTest::newRow("written") << false;
        QTest::newRow("not synced") << true;
    }

    void aBatchWritesOnceAtItsEnd()
    {
        QFETCH(bool, syncFails);
        static int syncs;
        static bool failing;
        syncs = 0;
        failing = syncFails;
        const durable::SyncToDisk countingSync = [](int fd) {
            ++syncs;
            if (!failing)
                return ::fsync(fd);
            errno = EIO;
            return -1;
        };
        SettingsStore store(directory(), SettingsStore::standardSuiteName, countingSync);
        {
            SettingsStore::Batch batch(store);
            {
                SettingsStore::Batch inner(store);
                QVERIFY(store.setString("first", "1"));
            }
            QVERIFY(store.setInteger("second", 2));
            QCOMPARE(store.stringValue("first"), QStringLiteral("1"));
            QCOMPARE(syncs, 0);
            QVERIFY(!store.hasUnsavedChanges());
        }
        QVERIFY(syncs > 0);
        QCOMPARE(store.hasUnsavedChanges(), syncFails);
        SettingsStore reader(directory());
        QCOMPARE(reader.integerValue("second"), syncFails ? std::nullopt : std::optional<qint64>(2));
        QCOMPARE(reader.stringValue("first"), syncFails ? std::nullopt : std::optional<QString>(QStringLiteral("1")));
    }

    void aFileThatCannotBeReadIsNeverWrittenOver_data()
    {
        QTest::addColumn<bool>("directoryInItsPlace");
        QTest::newRow("a directory") << true;
        QTest::newRow("write-only") << false;
    }

    void aFileThatCannotBeReadIsNeverWrittenOver()
    {
        QFETCH(bool, directoryInItsPlace);
        if (!directoryInItsPlace && ::geteuid() == 0)
            QSKIP("root reads a write-only file");
        SettingsStore store(directory());
        QVERIFY(directoryInItsPlace ? QDir().mkpath(store.filePath()) : store.setBool("kept", true));
        const QByteArray before = readFile(store.filePath());
        QVERIFY(QFile::setPermissions(store.filePath(), QFile::WriteOwner | QFile::ExeOwner));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(store.filePath()) + " cannot be read \\(.+\\)"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("writing flag failed"));
        SettingsStore unreadable(directory());
        QCOMPARE(unreadable.boolValue("kept"), std::nullopt);
        QVERIFY(!unreadable.setBool("flag", true));
        QCOMPARE(unreadable.boolValue("flag"), true);
        QVERIFY(QFile::setPermissions(store.filePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(readFile(store.filePath()), before);
        QCOMPARE(QFileInfo(store.filePath()).isDir(), directoryInItsPlace);
    }

    void aFileThatIsNoDocumentGivesWayToTheCopyBeforeTheLastWrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        // A whole document, but larger than a settings file can be.
        QTest::newRow("too large") << SettingsDocument::encode({{{"huge", QByteArray(SettingsFileRead::largestFile, 'h')}}, {}});
    }

    void aFileThatIsNoDocumentGivesWayToTheCopyBeforeTheLastWrite()
    {
        QFETCH(QByteArray, content);
        SettingsStore store(directory());
        QVERIFY(store.setString("first", "kept"));
        QVERIFY(store.setString("second", "lost with the file"));
        writeFile(store.filePath(), content);

        const SettingsStore fresh(directory());
        QVERIFY(!fresh.contains("huge"));
        QCOMPARE(fresh.stringValue("first"), QStringLiteral("kept"));
        QCOMPARE(QFileInfo(store.filePath() + ".corrupt").size(), content.size());
        QCOMPARE(SettingsStore(directory()).stringValue("first"), QStringLiteral("kept"));
    }

    void seesAnotherProcessWrites()
    {
        SettingsStore store(directory());
        store.setString("mine", "kept");
        QCOMPARE(QProcess::execute(SETTINGS_WRITER, {directory(), "keys", "theirs", "3"}), 0);
        QCOMPARE(store.integerValue("theirs2"), 2);
        QCOMPARE(store.stringValue("mine"), QStringLiteral("kept"));
    }

    void concurrentWritersLoseNothing()
    {
        constexpr int keysEach = 60;
        QList<QProcess *> writers;
        for (const char *prefix : {"first", "second", "third"}) {
            auto *writer = new QProcess(this);
            writer->start(SETTINGS_WRITER, {directory(), "keys", prefix, QString::number(keysEach)});
            writers.append(writer);
        }
        for (QProcess *writer : writers) {
            QVERIFY(writer->waitForFinished(60'000));
            QCOMPARE(writer->exitCode(), 0);
            delete writer;
        }
        const SettingsStore store(directory());
        QCOMPARE(store.keys().size(), 3 * keysEach);
        for (int i = 0; i < keysEach; ++i) {
            QCOMPARE(store.integerValue("first" + QString::number(i)), i);
            QCOMPARE(store.integerValue("third" + QString::number(i)), i);
        }
    }

    void killedWriterNeverLeavesAHalfWrittenFile()
    {
        const SettingsStore store(directory());
        QProcess writer;
        for (int round = 0; round < 8; ++round) {
            writer.start(SETTINGS_WRITER, {directory(), "churn"});
            QVERIFY(writer.waitForStarted());
            QTest::qWait(100 + QRandomGenerator::global()->bounded(200));
            writer.kill();
            QVERIFY(writer.waitForFinished());

            QFile file(store.filePath());
            if (!file.exists())
                continue;
            QVERIFY2(!QFile::exists(store.filePath() + ".corrupt"), "a killed writer left a torn file");
            const auto blob = store.dataValue("blob");
            QVERIFY(blob);
            QCOMPARE(blob->size(), qsizetype(4 << 20));
            QCOMPARE(blob->count(blob->at(0)), blob->size());
        }
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
