#include "TelemetryTestSupport.h"
#include "TinyFilesystem.h"
#include "WaitFor.h"
#include "ApplicationPresence.h"
#include "ReservedNames.h"
#include "SignalCache.h"
#include "SignalManager.h"
#include "TelemetryDeck.h"
#include "TelemetryManager.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;
using namespace telemetrydeck;

namespace {

// A host's windows as the client sees them.
class FixedPresence final : public ApplicationPresence
{
public:
    explicit FixedPresence(DisplayFacts facts)
        : m_facts(std::move(facts))
    {
    }
    DisplayFacts displayFacts() const override { return m_facts; }
    bool isActive() const override { return true; }

private:
    DisplayFacts m_facts;
};

} // namespace

class TelemetryClientTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<test::ManualClock> m_clock;
    std::unique_ptr<TelemetryClockAdapter> m_adapter;
    std::unique_ptr<test::IngestServer> m_server;
    QStringList m_log;

    SharedConfiguration configuration()
    {
        SharedConfiguration config = test::testConfiguration(m_server->baseURL(), *m_dir, *m_adapter);
        config->sessionStatsEnabled = false;
        config->sendNewSessionBeganSignal = false;
        config->logHandler = LogHandler{LogLevel::debug, [this](LogLevel, const QString &message) { m_log << message; }};
        return config;
    }

    SignalManager &signalManager() { return TelemetryDeck::currentManager()->signalManager(); }

    // Lets the next scheduled attempt run and waits until its upload has been answered.
    void runNextAttempt()
    {
        const int before = signalManager().sendCompletions();
        m_clock->advance(std::chrono::milliseconds(qint64(signalManager().scheduledDelay() * 1000)));
        QTRY_VERIFY(signalManager().sendCompletions() > before);
    }

    void sendSignals(int count)
    {
        for (int i = 0; i < count; ++i)
            TelemetryDeck::signal(QStringLiteral("Event.%1").arg(i));
        QTRY_COMPARE(signalManager().cache().count(), count);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_clock = std::make_unique<test::ManualClock>();
        m_adapter = std::make_unique<TelemetryClockAdapter>(*m_clock);
        m_server = std::make_unique<test::IngestServer>();
        m_log.clear();
    }

    void cleanup() { TelemetryDeck::terminate(); }

    void batchesOfAHundred()
    {
        TelemetryDeck::initialize(configuration());
        sendSignals(250);
        runNextAttempt();
        runNextAttempt();
        runNextAttempt();
        QCOMPARE(m_server->batchSizes(), (QList<int>{100, 100, 50}));
        QCOMPARE(m_server->contentTypes.value(0), QByteArray("application/json"));
        QCOMPARE(signalManager().scheduledDelay(), 10.0);
    }

    void backOffWhileFailing()
    {
        TelemetryDeck::initialize(configuration());
        sendSignals(1);
        m_server->status = 500;
        QList<double> delays;
        for (int failure = 0; failure < 5; ++failure) {
            runNextAttempt();
            delays << signalManager().scheduledDelay();
        }
        QCOMPARE(delays, (QList<double>{20, 40, 80, 160, 300}));
        QCOMPARE(signalManager().cache().count(), 1);
        m_server->status = 200;
        runNextAttempt();
        QCOMPARE(signalManager().scheduledDelay(), 10.0);
        QCOMPARE(signalManager().cache().count(), 0);
        QCOMPARE(m_server->batchSizes(), (QList<int>{1, 1, 1, 1, 1, 1}));
    }

    void permanentRejectionDropsTheBatch()
    {
        TelemetryDeck::initialize(configuration());
        sendSignals(3);
        m_server->status = 500;
        runNextAttempt();
        QCOMPARE(signalManager().scheduledDelay(), 20.0);
        m_server->status = 413;
        runNextAttempt();
        QCOMPARE(signalManager().cache().count(), 0);
        QCOMPARE(signalManager().scheduledDelay(), 10.0);
        QVERIFY(m_log.contains(QStringLiteral("Dropping 3 signal(s): rejected by server Payload Too Large (413)")));
    }

    void uploadBodyShape()
    {
        SharedConfiguration config = configuration();
        config->defaultUser = QStringLiteral("user-1");
        config->salt = QStringLiteral("pepper");
        config->defaultSignalPrefix = QStringLiteral("Quelta.");
        config->testMode = true;
        config->buildVersion = QStringLiteral("42");
        TelemetryDeck::initialize(config);
        TelemetryDeck::signal(QStringLiteral("Refresh.completed"), {{QStringLiteral("result"), QStringLiteral("partial")},
                                                                    {QStringLiteral("platform"), QStringLiteral("mine")}});
        QTRY_COMPARE(signalManager().cache().count(), 1);
        runNextAttempt();
        QCOMPARE(m_server->uploads.size(), 1);
        const QJsonObject record = m_server->uploads[0].at(0).toObject();
        QCOMPARE(QStringList(record.keys()),
                 (QStringList{QStringLiteral("appID"), QStringLiteral("clientUser"), QStringLiteral("isTestMode"), QStringLiteral("payload"),
                              QStringLiteral("receivedAt"), QStringLiteral("sessionID"), QStringLiteral("type")}));
        QCOMPARE(record.value(QStringLiteral("type")).toString(), QStringLiteral("Quelta.Refresh.completed"));
        QCOMPARE(record.value(QStringLiteral("appID")).toString(), QStringLiteral("APP-ID"));
        QCOMPARE(record.value(QStringLiteral("isTestMode")).toString(), QStringLiteral("true"));
        QCOMPARE(record.value(QStringLiteral("receivedAt")).toString(), QStringLiteral("2026-03-01T12:00:00+0000"));
        QCOMPARE(record.value(QStringLiteral("clientUser")).toString(),
                 QString::fromLatin1(QCryptographicHash::hash("user-1pepper", QCryptographicHash::Sha256).toHex()));
        const QString session = record.value(QStringLiteral("sessionID")).toString();
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$")).match(session).hasMatch());
        const QJsonObject payload = record.value(QStringLiteral("payload")).toObject();
        QCOMPARE(payload.value(QStringLiteral("result")).toString(), QStringLiteral("partial"));
        // The signal's own parameter wins over the default payload.
        QCOMPARE(payload.value(QStringLiteral("platform")).toString(), QStringLiteral("mine"));
        QCOMPARE(payload.value(QStringLiteral("TelemetryDeck.Device.platform")).toString(), QStringLiteral("Linux"));
        QCOMPARE(payload.value(QStringLiteral("TelemetryDeck.SDK.version")).toString(), QStringLiteral("2.14.2"));
        QCOMPARE(payload.value(QStringLiteral("TelemetryDeck.AppInfo.buildNumber")).toString(), QStringLiteral("42"));
    }

    void screenFactsComeFromTheHost_data()
    {
        QTest::addColumn<bool>("hasWindows");
        QTest::addColumn<QStringList>("expected"); // width, height, scale, colour scheme
        QTest::newRow("windows") << true << QStringList{QStringLiteral("2560"), QStringLiteral("1440"), QStringLiteral("1.5"), QStringLiteral("Dark")};
        QTest::newRow("command line") << false << QStringList{QString(), QString(), QString(), QStringLiteral("Light")};
    }

    void screenFactsComeFromTheHost()
    {
        QFETCH(bool, hasWindows);
        QFETCH(QStringList, expected);
        SharedConfiguration config = configuration();
        if (hasWindows)
            config->presence = std::make_shared<FixedPresence>(DisplayFacts{QStringLiteral("2560"), QStringLiteral("1440"), QStringLiteral("1.5"), true});
        TelemetryDeck::initialize(config);
        TelemetryDeck::signal(QStringLiteral("Launched"));
        QTRY_COMPARE(signalManager().cache().count(), 1);
        runNextAttempt();
        QCOMPARE(m_server->uploads.size(), 1);
        const QJsonObject payload = m_server->uploads[0].at(0).toObject().value(QStringLiteral("payload")).toObject();
        const QStringList keys{QStringLiteral("TelemetryDeck.Device.screenResolutionWidth"), QStringLiteral("TelemetryDeck.Device.screenResolutionHeight"),
                               QStringLiteral("TelemetryDeck.Device.screenScaleFactor"), QStringLiteral("TelemetryDeck.UserPreference.colorScheme")};
        QStringList values;
        for (const QString &key : keys)
            values << payload.value(key).toString();
        QCOMPARE(values, expected);
    }

    void generatedUserIsKeptPerApplication()
    {
        TelemetryDeck::initialize(configuration());
        const QString first = TelemetryDeck::currentManager()->defaultUserIdentifier();
        TelemetryDeck::terminate();
        TelemetryDeck::initialize(configuration());
        QCOMPARE(TelemetryDeck::currentManager()->defaultUserIdentifier(), first);
        QVERIFY(!first.isEmpty());
    }

    void cacheFileAcrossRuns()
    {
        TelemetryDeck::initialize(configuration());
        sendSignals(2);
        signalManager().appWillTerminate();
        TelemetryDeck::terminate();
        const QString file = m_dir->filePath(QStringLiteral("cache/telemetrysignalcache"));
        QVERIFY(QFile::exists(file));

        m_server->status = 500;
        TelemetryDeck::initialize(configuration());
        // Read once and deleted; the first attempt runs at once.
        QVERIFY(!QFile::exists(file));
        QTRY_COMPARE(m_server->batchSizes(), QList<int>{2});
    }

    void undecodableCacheFileIsLost()
    {
        QDir().mkpath(m_dir->filePath(QStringLiteral("cache")));
        const QString file = m_dir->filePath(QStringLiteral("cache/telemetrysignalcache"));
        QFile broken(file);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("[{\"broken\":");
        broken.close();
        TelemetryDeck::initialize(configuration());
        QVERIFY(!QFile::exists(file));
        QCOMPARE(signalManager().cache().count(), 0);
    }

    void aCacheThatCannotBeSavedLeavesNoFile()
    {
        const QString folder = m_dir->filePath(QStringLiteral("tiny"));
        const test::TinyFilesystem tiny(folder);
        if (!tiny.isMounted())
            QSKIP("mounting a tmpfs is not permitted here");
        QVERIFY(tiny.fill(0));
        SignalCache cache(configuration(), folder + QLatin1String("/telemetrysignalcache"));
        SignalPostBody body;
        body.type = QStringLiteral("kept");
        cache.push(body);
        cache.save();
        QVERIFY(m_log.contains(QStringLiteral("Error saving Telemetry cache")));
        QVERIFY(!QFile::exists(folder + QLatin1String("/telemetrysignalcache")));
    }

    void returnedBatchGoesBehindNewerSignals()
    {
        auto config = configuration();
        config->cacheLimit = 4;
        SignalCache cache(config, m_dir->filePath(QStringLiteral("unused")));
        const auto record = [](const QString &type) {
            SignalPostBody body;
            body.type = type;
            return body;
        };
        cache.push(record(QStringLiteral("a")));
        cache.push(record(QStringLiteral("b")));
        const QList<SignalPostBody> batch = cache.pop();
        cache.push(record(QStringLiteral("c")));
        cache.push(record(QStringLiteral("d")));
        cache.push(record(QStringLiteral("e")));
        cache.pushBack(batch);
        QStringList types;
        for (const SignalPostBody &body : cache.pop())
            types << body.type;
        QCOMPARE(types, (QStringList{QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("a"), QStringLiteral("b")}));
    }

    void prefixesAndWarnings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("sentAs");
        QTest::addColumn<QString>("warning");
        const QString reservedPrefix = QStringLiteral(
            "Sending parameter with reserved key prefix 'TelemetryDeck.' will cause unexpected behavior. Please use another prefix instead.");
        QTest::newRow("plain") << QStringLiteral("result") << QStringLiteral("app.result") << QString();
        QTest::newRow("own prefix kept, warned") << QStringLiteral("TelemetryDeck.x") << QStringLiteral("TelemetryDeck.x") << reservedPrefix;
        // Warnings judge the key as written, before the prefix hides it.
        QTest::newRow("other case is prefixed, warned") << QStringLiteral("telemetrydeck.x") << QStringLiteral("app.telemetrydeck.x")
                                                        << reservedPrefix;
        QTest::newRow("reserved name, warned")
            << QStringLiteral("Locale") << QStringLiteral("app.Locale")
            << QStringLiteral("Sending parameter with reserved key 'Locale' will cause unexpected behavior. Please use another key instead.");
    }

    void prefixesAndWarnings()
    {
        QFETCH(QString, key);
        QFETCH(QString, sentAs);
        QFETCH(QString, warning);
        SharedConfiguration config = configuration();
        config->defaultParameterPrefix = QStringLiteral("app.");
        TelemetryDeck::initialize(config);
        TelemetryDeck::signal(QStringLiteral("Refresh.completed"), {{key, QStringLiteral("v")}});
        QTRY_COMPARE(signalManager().cache().count(), 1);
        runNextAttempt();
        const QJsonObject payload = m_server->uploads.at(0).at(0).toObject().value(QStringLiteral("payload")).toObject();
        QCOMPARE(payload.value(sentAs).toString(), QStringLiteral("v"));
        const QStringList warnings = m_log.filter(QStringLiteral("Sending parameter"));
        QCOMPARE(warnings, warning.isEmpty() ? QStringList{} : QStringList{warning});
    }

    void uploadsEndAtTheSessionTimeOut()
    {
        // Accepts and never answers.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QNetworkAccessManager network;
        network.setTransferTimeout(300);
        SharedConfiguration config = configuration();
        config->apiBaseURL = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort()));
        config->network = &network;
        TelemetryDeck::initialize(config);
        sendSignals(1);
        const int before = signalManager().sendCompletions();
        m_clock->advance(std::chrono::milliseconds(qint64(signalManager().scheduledDelay() * 1000)));
        QTRY_VERIFY_WITH_TIMEOUT(signalManager().sendCompletions() > before, 3000);
        QCOMPARE(signalManager().cache().count(), 1);
    }

    void reservedTypes()
    {
        QCOMPARE(reservedTypeWarnings(QStringLiteral("telemetryDeck.Session.started")).size(), 1);
        QCOMPARE(reservedTypeWarnings(QStringLiteral("AppVersion")),
                 QStringList{QStringLiteral("Sending signal with reserved name 'AppVersion' will cause unexpected behavior. Please use another name instead.")});
        QVERIFY(reservedTypeWarnings(QStringLiteral("Quelta.Refresh.completed")).isEmpty());
    }

    void endpoints()
    {
        TelemetryManagerConfiguration config(QStringLiteral("id"), QString(), QUrl(QStringLiteral("https://ingest.example/base")));
        QCOMPARE(config.endpointURL(), QUrl(QStringLiteral("https://ingest.example/base/v2/")));
        config.namespaceName = QStringLiteral("team");
        QCOMPARE(config.endpointURL(), QUrl(QStringLiteral("https://ingest.example/base/v2/namespace/team/")));
        config.namespaceName = QString();
        QCOMPARE(config.endpointURL(), QUrl(QStringLiteral("https://ingest.example/base/v2/")));
    }

    void droppedWhenDisabled()
    {
        auto config = configuration();
        config->analyticsDisabled = true;
        // The client's own session and new-install signals too.
        config->sessionStatsEnabled = true;
        config->sendNewSessionBeganSignal = true;
        TelemetryDeck::initialize(config);
        TelemetryDeck::signal(QStringLiteral("x"));
        m_clock->advance(std::chrono::seconds(1));
        QTest::qWait(50);
        QCOMPARE(signalManager().cache().count(), 0);
    }
};

QTEST_GUILESS_MAIN(TelemetryClientTest)
#include "TelemetryClientTest.moc"
