#include "TestFixture.h"

#include "app/AppServices.h"
#include "app/QueltaBusService.h"
#include "app/TrayShell.h"
#include "core/AllowanceStore.h"
#include "ui/cli/CommandTarget.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QThread>
#include <QMutex>

using namespace quelta;

// The desktop's side of the tray: a StatusNotifierWatcher that notes who registers.
class StatusNotifierWatcher final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

    QStringList items() const
    {
        QMutexLocker lock(&m_lock);
        return m_items;
    }
    void clear()
    {
        QMutexLocker lock(&m_lock);
        m_items.clear();
    }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message)
    {
        QMutexLocker lock(&m_lock);
        m_items.append(service.startsWith(QLatin1Char('/')) ? message.service() : service);
    }
    void RegisterStatusNotifierHost(const QString &) {}

private:
    mutable QMutex m_lock;
    QStringList m_items;
};

class TrayShellTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    // On a connection and thread of its own: the tray asks it questions and waits for answers.
    QThread m_desktop;
    StatusNotifierWatcher *m_watcher = nullptr;
    QDBusConnection m_bus = QDBusConnection::sessionBus();

    std::unique_ptr<AppServices> services()
    {
        AppServices::Configuration configuration;
        configuration.clock = &m_fixture->clock;
        configuration.settingsDirectory = m_fixture->directory.filePath(QStringLiteral("config"));
        configuration.executableSearch = m_fixture->search();
        configuration.framerHelper = m_fixture->home(QStringLiteral("no-helper"));
        configuration.framerProfileLock = m_fixture->home(QStringLiteral("framer.lock"));
        return std::make_unique<AppServices>(configuration);
    }

    TrayShell::Options options() const
    {
        TrayShell::Options options;
        // The test's bus stands in for the system bus's logind.
        options.systemBus = m_bus;
        return options;
    }

    // Lines the stand-in Codex received that start with `start`.
    int codexRuns(const QString &arguments) const
    {
        QFile file(m_fixture->home(QStringLiteral("codex-requests")));
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        return int(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')).count(arguments));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_bus.isConnected(), "run inside dbus-run-session");
        m_desktop.start();
        m_watcher = new StatusNotifierWatcher;
        m_watcher->moveToThread(&m_desktop);
        QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
        QVERIFY(desktop.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
        QVERIFY(desktop.registerObject(QStringLiteral("/StatusNotifierWatcher"), m_watcher, QDBusConnection::ExportAllContents));
        QVERIFY(m_bus.registerService(QStringLiteral("org.freedesktop.login1")));
    }

    void cleanupTestCase()
    {
        m_desktop.quit();
        m_desktop.wait();
    }

    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        QVERIFY(m_fixture->installStandIn(QStringLiteral("codex"), QStringLiteral(CODEX_STAND_IN)));
        const QByteArray reply = R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":25,"windowDurationMins":300}}}})";
        m_fixture->writeHomeFile(QStringLiteral("codex-scenario.json"),
                                 QJsonDocument(QJsonObject{{QStringLiteral("output"), QString::fromUtf8(reply + '\n')}}).toJson());
        m_watcher->clear();
        m_fixture->store.setBool(QLatin1String(allowanceStore::hasCompletedOnboardingKey), true);
    }

    void firstLaunchOnboardsBeforeTheTrayIcon()
    {
        m_fixture->store.remove(QLatin1String(allowanceStore::hasCompletedOnboardingKey));
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        m_fixture->clock.advance(std::chrono::milliseconds(350));
        QTRY_VERIFY(shell.onboardingWindow() && shell.onboardingWindow()->isVisible());
        QVERIFY(!shell.statusItem());
        QTest::qWait(200);
        QVERIFY(m_watcher->items().isEmpty());

        shell.completeOnboarding();
        QTRY_COMPARE(m_watcher->items().size(), 1);
        QVERIFY(shell.popover() && shell.popover()->isVisible());
        QCOMPARE(app->settings().boolValue(QLatin1String(allowanceStore::hasCompletedOnboardingKey)), true);
    }

    void closingOnboardingEarlyQuits()
    {
        m_fixture->store.remove(QLatin1String(allowanceStore::hasCompletedOnboardingKey));
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        m_fixture->clock.advance(std::chrono::milliseconds(350));
        QTRY_VERIFY(shell.onboardingWindow());
        QSignalSpy quits(&shell, &TrayShell::quitRequested);
        shell.onboardingWindow()->close();
        QCOMPARE(quits.size(), 1);
    }

    void statusItemRegistersAndActivationToggles()
    {
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        QTRY_COMPARE(m_watcher->items().size(), 1);
        const QString item = m_watcher->items().first();
        QCOMPARE(shell.statusItem()->toolTip(), QStringLiteral("Quelta"));

        const auto activate = [&] {
            QDBusMessage call = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                               QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"));
            call << 10 << 10;
            // Sent as the desktop sends it; the item's own connection cannot wait on itself.
            QDBusConnection(QStringLiteral("desktop")).asyncCall(call);
        };
        activate();
        QTRY_VERIFY(shell.popover() && shell.popover()->isVisible());
        activate();
        QTRY_VERIFY(!shell.popover()->isVisible());

        const QList<QAction *> actions = shell.statusMenu()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions[0]->text(), QStringLiteral("Quit Quelta"));
        QCOMPARE(actions[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    void wakingRefreshes()
    {
        allowanceStore::saveAuthorizedProviders(m_fixture->store, {ProviderID::codex});
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        const QString read = QStringLiteral("-s read-only -a never app-server");
        QTRY_COMPARE(codexRuns(read), 1);
        QTRY_VERIFY(!app->monitor().isRefreshing());

        QDBusMessage asleep = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                         QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
        m_bus.send(asleep << true);
        QTest::qWait(200);
        QCOMPARE(codexRuns(read), 1);
        QDBusMessage awake = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
        m_bus.send(awake << false);
        QTRY_COMPARE(codexRuns(read), 2);
    }

    void aSecondQueltaShowsTheFirstPopover()
    {
        auto app = services();
        TrayShell shell(*app, options());
        LocalCommandTarget target(app->monitor(), app->connection());
        QObject host;
        auto *face = new QueltaBusService(&host, *app, shell, target);
        QVERIFY(face->registerOn(m_bus));
        shell.start();

        QProcess second;
        QSignalSpy finished(&second, &QProcess::finished);
        second.start(QStringLiteral(QUELTA_PROGRAM), {});
        QVERIFY(finished.wait(20'000));
        QCOMPARE(second.exitCode(), 0);
        QTRY_VERIFY(shell.popover() && shell.popover()->isVisible());
        m_bus.unregisterService(QStringLiteral("app.quelta.Quelta"));
        m_bus.unregisterObject(QStringLiteral("/app/quelta/Quelta"));
    }

    void connectsOverTheBusAtOnceShareOneSignIn()
    {
        // The browser's sign-in takes a moment, long enough for every call to arrive meanwhile.
        const QByteArray reply = R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":25,"windowDurationMins":300}}}})";
        m_fixture->writeHomeFile(QStringLiteral("codex-scenario.json"),
                                 QJsonDocument(QJsonObject{{QStringLiteral("output"), QString::fromUtf8(reply + '\n')},
                                                           {QStringLiteral("loginMilliseconds"), 500}})
                                     .toJson());
        auto app = services();
        TrayShell shell(*app, options());
        LocalCommandTarget target(app->monitor(), app->connection());
        QObject host;
        auto *face = new QueltaBusService(&host, *app, shell, target);
        QVERIFY(face->registerOn(m_bus));

        QList<QDBusPendingCall> calls;
        for (int i = 0; i < 30; ++i) {
            QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("app.quelta.Quelta"), QStringLiteral("/app/quelta/Quelta"),
                                                               QStringLiteral("app.quelta.Quelta"), QStringLiteral("Connect"));
            calls.append(QDBusConnection(QStringLiteral("desktop")).asyncCall(call << QStringLiteral("codex")));
        }
        const auto answered = [&] { return std::all_of(calls.begin(), calls.end(), [](const QDBusPendingCall &c) { return c.isFinished(); }); };
        QTRY_VERIFY_WITH_TIMEOUT(answered(), 20'000);
        for (const QDBusPendingCall &call : calls)
            QCOMPARE(call.reply().arguments().value(0).toString(), QStringLiteral("connected"));
        QCOMPARE(codexRuns(QStringLiteral("login")), 1);
        m_bus.unregisterService(QStringLiteral("app.quelta.Quelta"));
        m_bus.unregisterObject(QStringLiteral("/app/quelta/Quelta"));
    }

    void twoQuickConnectsStartOneSignIn()
    {
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        shell.connectProvider(ProviderID::codex);
        shell.connectProvider(ProviderID::codex);
        QTRY_VERIFY(app->monitor().connectionAttemptState(ProviderID::codex) != ProviderConnectionAttemptState::connecting);
        QCOMPARE(codexRuns(QStringLiteral("login")), 1);
        QCOMPARE(app->monitor().connectionAttemptState(ProviderID::codex), ProviderConnectionAttemptState::idle);
    }
};

QTEST_MAIN(TrayShellTest)
#include "TrayShellTest.moc"
