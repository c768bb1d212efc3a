#include "HostileTexts.h"
#include "MonitorTestSupport.h"
#include "TestFixture.h"
#include "WaitFor.h"

#include "commands/CommandLine.h"
#include "commands/StatusBarLine.h"
#include "commands/StatusReport.h"
#include "core/AllowanceStore.h"
#include "core/ProviderConnectorError.h"
#include "history/HistoryRecorder.h"
#include "platform/PipeReaderWatch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

#include <unistd.h>

using namespace quelta;

namespace {

// What a provider answers in a row of data: a remaining percentage, or -1 for a lost sign-in.
constexpr int signedOut = -1;

// Characters a terminal or a bar acts on rather than shows, `allowed` excepted.
bool hasControlCharacters(const QString &text, QChar allowed = {})
{
    return std::any_of(text.begin(), text.end(), [allowed](QChar c) {
        return c != allowed && (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f));
    });
}

} // namespace

// What `quelta status` writes for people and for status bars, from a monitor's real document.
class StatusOutputTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::ScriptedLoads> m_loads;
    std::unique_ptr<AllowanceMonitor> m_monitor;

    QDateTime now() const { return m_fixture->clock.now(); }

    void answer(ProviderID id, int remaining)
    {
        if (remaining == signedOut) {
            m_loads->answers.insert(id, []() -> ProviderAllowance { throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired); });
            return;
        }
        answer(id, test::connectedAllowance(id, remaining));
    }

    void answer(ProviderID id, const ProviderAllowance &allowance)
    {
        m_loads->answers.insert(id, [allowance] { return allowance; });
    }

    // ChatGPT with its weekly limit half a week in and 60 % used: empty in 2d 8h, 1d 4h early.
    ProviderAllowance chatGptAtRisk() const
    {
        ProviderAllowance allowance = test::connectedAllowance(ProviderID::codex, 40);
        allowance.limits[0].resetsAt = now().addSecs(302400);
        allowance.limits[0].windowDuration = 604800;
        return allowance;
    }

    QJsonObject refreshedReport()
    {
        m_monitor = std::make_unique<AllowanceMonitor>(m_fixture->store, m_fixture->clock,
                                                       AllowanceMonitor::Dependencies{m_loads->loader(), true, nullptr, nullptr});
        m_monitor->refresh(true);
        [&] { QTRY_VERIFY(!m_monitor->isRefreshing()); }();
        return statusJson(*m_monitor);
    }

    static QJsonObject parsed(const QString &line)
    {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        [&] { QVERIFY2(error.error == QJsonParseError::NoError && document.isObject(), qPrintable(line)); }();
        return document.object();
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_loads = std::make_unique<test::ScriptedLoads>();
        allowanceStore::saveAuthorizedProviders(m_fixture->store, {ProviderID::codex, ProviderID::claudeCode});
        allowanceStore::saveEnabledProviders(m_fixture->store, {ProviderID::codex, ProviderID::claudeCode});
    }

    void forecastInTheDocument_data()
    {
        QTest::addColumn<QList<int>>("usedHoursAgo"); // the figure stored 4, 3, 2 and 1 hours ago
        QTest::addColumn<qint64>("runsOutIn");
        QTest::addColumn<QString>("basis");
        QTest::newRow("no history: the window's average") << QList<int>{} << qint64(201600) << "window";
        // 8 % in the last 3 hours: the remaining 40 % in 15 hours.
        QTest::newRow("history: the recent pace") << QList<int>{50, 52, 55, 58} << qint64(54000) << "recent";
        QTest::newRow("history with a gap: the window's average") << QList<int>{50, 0, 0, 58} << qint64(201600) << "window";
    }
    void forecastInTheDocument()
    {
        QFETCH(QList<int>, usedHoursAgo);
        QFETCH(qint64, runsOutIn);
        QFETCH(QString, basis);
        answer(ProviderID::codex, chatGptAtRisk());
        answer(ProviderID::claudeCode, 60);
        refreshedReport();
        HistoryRecorder history(*m_monitor, m_fixture->store, m_fixture->directory.filePath(QStringLiteral("history.sqlite")));
        QList<HistorySample> samples;
        for (qsizetype i = 0; i < usedHoursAgo.size(); ++i) {
            ProviderLimit limit = chatGptAtRisk().limits[0];
            limit.percentage = 100 - usedHoursAgo[i];
            if (usedHoursAgo[i] > 0)
                samples << *historySample(ProviderID::codex, QString(), limit, now().addSecs(-(4 - i) * 3600));
        }
        QCOMPARE(history.store().import(samples), samples.size());
        const QJsonArray providers = statusJson(*m_monitor).value(QStringLiteral("providers")).toArray();
        const QJsonValue atRisk = providers[0].toObject().value(QStringLiteral("limits")).toArray()[0].toObject().value(QStringLiteral("forecast"));
        QCOMPARE(atRisk.toObject(), (QJsonObject{{QStringLiteral("runsOutAt"), now().addSecs(runsOutIn).toUTC().toString(Qt::ISODate)},
                                                 {QStringLiteral("beforeReset"), true},
                                                 {QStringLiteral("atRisk"), true},
                                                 {QStringLiteral("basis"), basis}}));
        // No reset date, no forecast.
        QVERIFY(providers[1].toObject().value(QStringLiteral("limits")).toArray()[0].toObject().value(QStringLiteral("forecast")).isNull());
    }

    void plainTextTellsTheForecastUnderTheLimit()
    {
        answer(ProviderID::codex, chatGptAtRisk());
        answer(ProviderID::claudeCode, 60);
        QCOMPARE(statusText(refreshedReport(), now()),
                 QStringLiteral("ChatGPT  40%   Resets in 2h 0m\n"
                                "               Weekly limit: At this pace it runs out in 2d 8h, 1d 4h before it resets.\n"
                                "Claude   60%   Reset time unavailable\n"
                                "Updated just now\n"));
        // Told at the time of telling: an hour later it runs out an hour sooner.
        const QJsonObject report = statusJson(*m_monitor);
        QVERIFY(statusText(report, now().addSecs(3600)).contains(QStringLiteral("runs out in 2d 7h, 1d 4h before")));
    }

    // A provider's name, detail and limit name: exact in the JSON document, one visible line of
    // text in the terminal and each bar, never markup, a bar tag or a placeholder.
    void outsideTextIsOnlyShown_data() { test::addHostileTextRows(); }

    void outsideTextIsOnlyShown()
    {
        QFETCH(QString, hostile);
        ProviderAllowance chatGpt = chatGptAtRisk();
        chatGpt.name = hostile;
        chatGpt.detail = hostile;
        chatGpt.limits[0].name = hostile;
        answer(ProviderID::codex, chatGpt);
        answer(ProviderID::claudeCode, 60);
        const QJsonObject report = refreshedReport();
        const QJsonObject provider = report.value(QStringLiteral("providers")).toArray()[0].toObject();
        QCOMPARE(provider.value(QStringLiteral("name")).toString(), hostile);
        QCOMPARE(provider.value(QStringLiteral("detail")).toString(), hostile);
        QCOMPARE(provider.value(QStringLiteral("limits")).toArray()[0].toObject().value(QStringLiteral("name")).toString(), hostile);
        // Where nothing needs dropping, the text shows whole.
        const bool printable = !hasControlCharacters(hostile);

        const QString text = statusText(report, now());
        QCOMPARE(text.count(QLatin1Char('\n')), 4);
        QVERIFY(!hasControlCharacters(text, QLatin1Char('\n')));
        QVERIFY(!printable || text.startsWith(hostile + QStringLiteral("  40%   ") + hostile + QLatin1Char('\n')));

        const QJsonObject waybar = parsed(statusBarLine(StatusBarFormat::waybar, report, now()));
        const std::optional<QString> tooltip = test::markupReading(waybar.value(QStringLiteral("tooltip")).toString());
        QVERIFY(tooltip && test::markupReading(waybar.value(QStringLiteral("text")).toString()));
        QCOMPARE(tooltip->count(QLatin1Char('\n')), 3);
        QVERIFY(!hasControlCharacters(*tooltip, QLatin1Char('\n')));
        QVERIFY(!printable || tooltip->startsWith(hostile + QStringLiteral(" 40% · ") + hostile + QLatin1Char('\n') + hostile + QLatin1Char(':')));

        const QString polybar = statusBarLine(StatusBarFormat::polybar, report, now());
        QVERIFY(!hasControlCharacters(polybar));
        QVERIFY(!QString(polybar).remove(QRegularExpression(QStringLiteral("%\\{F(#[0-9a-f]{6}|-)\\}"))).contains(QStringLiteral("%{")));
        QVERIFY(!printable || hostile.contains(QStringLiteral("%{")) || polybar.startsWith(hostile + QLatin1Char(' ')));

        const QJsonObject i3blocks = parsed(statusBarLine(StatusBarFormat::i3blocks, report, now()));
        QCOMPARE(i3blocks.value(QStringLiteral("markup")).toString(), QStringLiteral("pango"));
        const std::optional<QString> fullText = test::markupReading(i3blocks.value(QStringLiteral("full_text")).toString());
        QVERIFY(fullText && !hasControlCharacters(*fullText));
        QVERIFY(!printable || fullText->startsWith(hostile + QStringLiteral(" 40% · ")));
    }

    void waybar_data()
    {
        QTest::addColumn<int>("chatGpt");
        QTest::addColumn<int>("claude");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("alt");
        QTest::addColumn<QStringList>("classes");
        QTest::newRow("both fine") << 75 << 60 << "60%" << "claude" << QStringList{"ok"};
        QTest::newRow("26 is fine") << 26 << 60 << "26%" << "chatgpt" << QStringList{"ok"};
        QTest::newRow("25 is low") << 25 << 60 << "25%" << "chatgpt" << QStringList{"low"};
        QTest::newRow("11 is low") << 60 << 11 << "11%" << "claude" << QStringList{"low"};
        QTest::newRow("10 is critical") << 10 << 60 << "10%" << "chatgpt" << QStringList{"critical"};
        QTest::newRow("equals: the first") << 30 << 30 << "30%" << "chatgpt" << QStringList{"ok"};
        QTest::newRow("signed out") << signedOut << 18 << "18%" << "claude" << QStringList{"low", "disconnected"};
    }

    void waybar()
    {
        QFETCH(int, chatGpt);
        QFETCH(int, claude);
        QFETCH(QString, text);
        QFETCH(QString, alt);
        QFETCH(QStringList, classes);
        answer(ProviderID::codex, chatGpt);
        answer(ProviderID::claudeCode, claude);
        const QJsonObject line = parsed(statusBarLine(StatusBarFormat::waybar, refreshedReport(), now()));
        QCOMPARE(line.keys(), (QStringList{"alt", "class", "percentage", "text", "tooltip"}));
        QCOMPARE(line.value(QStringLiteral("text")).toString(), text);
        QCOMPARE(line.value(QStringLiteral("alt")).toString(), alt);
        QVERIFY(line.value(QStringLiteral("percentage")).isDouble());
        QCOMPARE(line.value(QStringLiteral("percentage")).toDouble(), text.chopped(1).toDouble());
        QVERIFY(line.value(QStringLiteral("tooltip")).isString());
        QCOMPARE(line.value(QStringLiteral("class")).toArray().toVariantList(), QVariant(classes).toList());
    }

    void waybarTooltipIsPangoEscaped()
    {
        ProviderAllowance chatGpt = chatGptAtRisk();
        chatGpt.detail = QStringLiteral("Team <Tom & Jerry>");
        answer(ProviderID::codex, chatGpt);
        answer(ProviderID::claudeCode, 60);
        const QString tooltip = parsed(statusBarLine(StatusBarFormat::waybar, refreshedReport(), now())).value(QStringLiteral("tooltip")).toString();
        QCOMPARE(tooltip, QStringLiteral("ChatGPT 40% · Team &lt;Tom &amp; Jerry&gt;\n"
                                         "Weekly limit: At this pace it runs out in 2d 8h, 1d 4h before it resets.\n"
                                         "Claude 60% · Reset time unavailable\n"
                                         "Updated just now"));
    }

    void waybarMarksStaleAndFailedFigures()
    {
        answer(ProviderID::codex, 75);
        answer(ProviderID::claudeCode, 60);
        refreshedReport();
        // A later process shows the stored figures before it loads anything.
        AllowanceMonitor later(m_fixture->store, m_fixture->clock, AllowanceMonitor::Dependencies{m_loads->loader(), true, nullptr, nullptr});
        const QJsonObject stale = parsed(statusBarLine(StatusBarFormat::waybar, statusJson(later), now()));
        QCOMPARE(stale.value(QStringLiteral("class")).toArray(), (QJsonArray{QStringLiteral("ok"), QStringLiteral("stale")}));

        // Claude is due again after half an hour, and fails with a reason to show.
        m_fixture->clock.advance(std::chrono::minutes(31));
        m_loads->answers.insert(ProviderID::claudeCode,
                                []() -> ProviderAllowance { throw ProviderConnectorError(ProviderConnectorError::Kind::usageAccessExpired); });
        const QJsonObject failed = parsed(statusBarLine(StatusBarFormat::waybar, refreshedReport(), now()));
        QCOMPARE(failed.value(QStringLiteral("class")).toArray(),
                 (QJsonArray{QStringLiteral("ok"), QStringLiteral("stale"), QStringLiteral("error")}));
    }

    void polybar_data()
    {
        QTest::addColumn<int>("chatGpt");
        QTest::addColumn<int>("claude");
        QTest::addColumn<QString>("line");
        QTest::newRow("fine") << 75 << 60 << "ChatGPT 75% · Claude 60%";
        QTest::newRow("low and critical") << 20 << 8 << "ChatGPT %{F#ff9f0a}20%%{F-} · Claude %{F#ff453a}8%%{F-}";
        QTest::newRow("signed out") << signedOut << 60 << "ChatGPT — · Claude 60%";
    }

    void polybar()
    {
        QFETCH(int, chatGpt);
        QFETCH(int, claude);
        QFETCH(QString, line);
        answer(ProviderID::codex, chatGpt);
        answer(ProviderID::claudeCode, claude);
        QCOMPARE(statusBarLine(StatusBarFormat::polybar, refreshedReport(), now()), line);
    }

    void i3blocks_data()
    {
        QTest::addColumn<int>("chatGpt");
        QTest::addColumn<QJsonObject>("block");
        QTest::newRow("fine") << 75
                              << QJsonObject{{"full_text", "ChatGPT 75% · Claude 60%"}, {"short_text", "60%"}, {"markup", "pango"}};
        QTest::newRow("low") << 20
                             << QJsonObject{{"full_text", "ChatGPT 20% · Claude 60%"}, {"short_text", "20%"}, {"markup", "pango"}, {"color", "#ff9f0a"}};
        QTest::newRow("critical") << 5
                                  << QJsonObject{{"full_text", "ChatGPT 5% · Claude 60%"}, {"short_text", "5%"}, {"markup", "pango"}, {"color", "#ff453a"}, {"urgent", true}};
    }

    void i3blocks()
    {
        QFETCH(int, chatGpt);
        QFETCH(QJsonObject, block);
        answer(ProviderID::codex, chatGpt);
        answer(ProviderID::claudeCode, 60);
        QCOMPARE(parsed(statusBarLine(StatusBarFormat::i3blocks, refreshedReport(), now())), block);
    }

    void watchWritesChangesUntilTheReaderGoes()
    {
        answer(ProviderID::codex, 75);
        answer(ProviderID::claudeCode, 60);
        refreshedReport();
        int pipeEnds[2];
        QCOMPARE(::pipe(pipeEnds), 0);
        PipeReaderWatch reader(pipeEnds[1]);
        QVERIFY(reader.watchesPipe());

        QString output;
        QTextStream out(&output);
        QTextStream err(stderr);
        ProviderConnection connection(*m_monitor, [](AccountID) -> QCoro::Task<void> { co_return; });
        LocalCommandTarget target(*m_monitor, connection, {});
        CommandLineEnvironment environment;
        environment.clock = &m_fixture->clock;
        environment.output = &reader;
        QCoro::Task<int> watching = runCommandLine({"status", "--watch", "--cached", "--format", "waybar", "--provider", "claude"},
                                                   target, environment, out, err);
        QTRY_COMPARE(output.count(QLatin1Char('\n')), 1);
        // A change elsewhere leaves Claude's line as it was.
        m_monitor->beginConnecting(ProviderID::codex);
        m_monitor->beginConnecting(ProviderID::claudeCode);
        QTRY_COMPARE(output.count(QLatin1Char('\n')), 2);
        QVERIFY2(output.section(QLatin1Char('\n'), 1, 1).contains(QStringLiteral("Complete sign-in in your browser")), qPrintable(output));

        ::close(pipeEnds[0]);
        QCOMPARE(test::waitFor(watching), 0);
        ::close(pipeEnds[1]);
    }
};

QTEST_GUILESS_MAIN(StatusOutputTest)
#include "StatusOutputTest.moc"
