#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

class SettingsStoreTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString directory() const { return m_dir->path(); }

private Q_SLOTS:
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

    void aFailedWriteIsReported()
    {
        SettingsStore store(directory());
        QVERIFY(QDir().mkpath(store.filePath()));
        QVERIFY(!store.setBool("flag", true));
        QCOMPARE(store.boolValue("flag"), true);
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
