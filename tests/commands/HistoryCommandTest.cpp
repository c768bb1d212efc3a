#include "commands/HistoryCommand.h"
#include "history/HistoryStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace quelta;

namespace {

const QDateTime now(QDate(2026, 11, 20), QTime(12, 0), Qt::UTC);

HistorySample sampleOf(const QString &provider, const QString &account, int daysAgo, int used, const QString &limitName = QStringLiteral("Weekly"))
{
    HistorySample sample;
    sample.takenAt = now.addDays(-daysAgo).addMSecs(123);
    sample.series = {provider, account, QStringLiteral("weekly")};
    sample.limitName = limitName;
    sample.usedPercent = used;
    sample.resetsAt = now.addDays(3);
    sample.windowSeconds = 7 * 24 * 3600;
    return sample;
}

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome run(const QString &file, const QStringList &arguments)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = runHistoryCommand(arguments, file, now, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

} // namespace

class HistoryCommandTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    // English's plural forms, as the program speaks it.
    QTranslator m_english;
    QString file(const QString &name) const { return m_dir->filePath(name); }

    QString writeFile(const QString &name, const QByteArray &content) const
    {
        QFile output(file(name));
        if (!output.open(QIODevice::WriteOnly) || output.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(name));
        return output.fileName();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/i18n/quelta_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(&m_english));
    }

    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void exportsAndImportsWhole_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("limitName");
        for (const char *format : {"csv", "json"}) {
            QTest::newRow(QByteArray(format) + " plain") << format << QStringLiteral("Weekly");
            QTest::newRow(QByteArray(format) + " quotes and breaks") << format << QStringLiteral("A \"week\",\nthen\r\nmore, \\\"");
            QTest::newRow(QByteArray(format) + " control characters") << format << QStringLiteral("Plan \x1b[2J\u009b1m\x7f é 日本");
        }
    }
    void exportsAndImportsWhole()
    {
        QFETCH(QString, format);
        QFETCH(QString, limitName);
        {
            HistoryStore store(file("history.sqlite"));
            QCOMPARE(store.import({sampleOf("claudeCode", QString(), 2, 30, limitName), sampleOf("codex", "work", 1, 40)}), 2);
        }
        const Outcome exported = run(file("history.sqlite"), {"--format", format});
        QCOMPARE(exported.status, 0);
        const QString exportFile = writeFile("export", exported.out.toUtf8());

        const Outcome imported = run(file("restored.sqlite"), {"--import", exportFile});
        QCOMPARE(imported.status, 0);
        QCOMPARE(imported.out, QStringLiteral("Imported 2 samples.\n"));
        HistoryStore original(file("history.sqlite"));
        HistoryStore restored(file("restored.sqlite"));
        QCOMPARE(restored.samples({}), original.samples({}));

        QCOMPARE(run(file("restored.sqlite"), {"--import", exportFile}).out, QStringLiteral("Imported 0 samples; 2 already in the history.\n"));
    }

    void narrowsTheRecord_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("rows");
        QTest::newRow("everything") << QStringList{} << 4;
        QTest::newRow("a provider, every account") << QStringList{"--provider", "chatgpt"} << 3;
        QTest::newRow("one account") << QStringList{"--provider=chatgpt:work"} << 2;
        QTest::newRow("the default account") << QStringList{"--provider", "chatgpt:"} << 1;
        QTest::newRow("days back") << QStringList{"--since", "7d"} << 2;
        QTest::newRow("from a date") << QStringList{"--since", now.date().addDays(-10).toString(Qt::ISODate)} << 3;
        QTest::newRow("a limit") << QStringList{"--limit", "daily"} << 0;
    }
    void narrowsTheRecord()
    {
        QFETCH(QStringList, arguments);
        HistoryStore store(file("history.sqlite"));
        QCOMPARE(store.import({sampleOf("codex", "work", 30, 10), sampleOf("codex", "work", 3, 20), sampleOf("codex", QString(), 9, 20),
                               sampleOf("claudeCode", QString(), 1, 50)}),
                 4);
        const Outcome outcome = run(file("history.sqlite"), arguments + QStringList{"--format", "csv"});
        QCOMPARE(outcome.status, 0);
        QFETCH(int, rows);
        QCOMPARE(outcome.out.count(QLatin1Char('\n')) - 1, rows);
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("importing");
        QTest::addColumn<QString>("message");
        const QByteArray header = "time,provider,account,limit,limit_name,used_percent,resets_at,window_seconds\n";
        const QByteArray good = "2026-11-01T10:00:00.000Z,codex,,weekly,Weekly,40,,\n";
        const QByteArray bad = QByteArray(good).replace(",40,", ",140,");
        QTest::newRow("unknown format") << QStringList{"--format", "xml"} << QByteArray() << "unknown format: xml";
        QTest::newRow("bad date") << QStringList{"--since", "last week"} << QByteArray() << "bad date: last week";
        QTest::newRow("unknown provider") << QStringList{"--provider", "gemini"} << QByteArray() << "unknown provider: gemini";
        QTest::newRow("not an export") << QStringList{} << QByteArray("name,age\nx,1\n") << "not a Quelta history export";
        QTest::newRow("a JSON file of something else") << QStringList{} << QByteArray("{\"providers\": []}") << "not a Quelta history export";
        QTest::newRow("bad line in CSV") << QStringList{} << header + good + bad << "line 3: the used percent";
        QTest::newRow("broken JSON") << QStringList{} << QByteArray("{\"format\": \"quelta-history\",\n\"version\": 1,\n\"samples\": [}")
                                     << "line 3:";
        QTest::newRow("bad sample in JSON")
            << QStringList{} << QByteArray("{\"format\": \"quelta-history\", \"version\": 1, \"samples\": [\n"
                                           "{\"time\": \"2026-11-01T10:00:00Z\", \"provider\": \"codex\", \"limit\": \"weekly\", \"usedPercent\": 4},\n"
                                           "{\"time\": \"yesterday\", \"provider\": \"codex\", \"limit\": \"weekly\", \"usedPercent\": 4}\n]}")
            << "line 3: the time";
    }
    void refusesBadInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, importing);
        if (!importing.isEmpty())
            arguments = QStringList{"--import", writeFile("import", importing)};
        const Outcome outcome = run(file("history.sqlite"), arguments);
        QCOMPARE(outcome.status, 2);
        QFETCH(QString, message);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        // A partly good file adds nothing.
        HistoryStore store(file("history.sqlite"));
        QVERIFY(store.samples({}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(HistoryCommandTest)
#include "HistoryCommandTest.moc"
