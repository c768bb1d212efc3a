#include "DesktopTray.h"
#include "ShellServices.h"
#include "TestFixture.h"

#include "app/AppObjects.h"
#include "app/QueltaBusService.h"
#include "app/StatusItem.h"
#include "app/TrayShell.h"
#include "commands/ApplicationIdentity.h"
#include "commands/CommandTarget.h"
#include "core/AllowanceStore.h"
#include "ui/history/HistoryWindow.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QIcon>
#include <QTemporaryDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QThread>

#include <tuple>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");

// One entry of a com.canonical.dbusmenu layout, with its children.
struct MenuEntry {
    int id = 0;
    QVariantMap properties;
    QList<MenuEntry> children;
};

MenuEntry readMenuEntry(const QDBusArgument &argument)
{
    MenuEntry entry;
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        entry.children.append(readMenuEntry(child.variant().value<QDBusArgument>()));
    }
    argument.endArray();
    argument.endStructure();
    return entry;
}

// Asked as the desktop asks, on its own connection; the item's connection cannot wait on itself,
// so the test's event loop keeps running meanwhile.
QDBusMessage askAsDesktop(const QDBusMessage &call)
{
    QDBusPendingCall pending = QDBusConnection(QStringLiteral("desktop")).asyncCall(call);
    const QDeadlineTimer deadline(10s);
    while (!pending.isFinished() && !deadline.hasExpired())
        QTest::qWait(10);
    return pending.reply();
}

QVariant itemProperty(const QString &item, const QString &name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << itemInterface << name;
    const QDBusMessage reply = askAsDesktop(call);
    return reply.arguments().isEmpty() ? QVariant() : reply.arguments().constFirst().value<QDBusVariant>().variant();
}

} // namespace

// The app's face on the test's bus, as a running Quelta offers it; it leaves the bus with the scope.
class BusFace
{
public:
    BusFace(AppObjects &app, TrayShell &shell, QDBusConnection bus)
        : m_target(app.monitor(), app.connection(), {})
        , m_bus(std::move(bus))
        , m_registered((new QueltaBusService(&m_host, app, shell, m_target))->registerOn(m_bus))
    {
    }
    ~BusFace()
    {
        m_bus.unregisterService(QStringLiteral("app.quelta.Quelta"));
        m_bus.unregisterObject(QStringLiteral("/app/quelta/Quelta"));
    }
    bool isRegistered() const { return m_registered; }

private:
    LocalCommandTarget m_target;
    QObject m_host;
    QDBusConnection m_bus;
    bool m_registered;
};

class TrayShellTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    // On a connection and thread of its own: the tray asks it questions and waits for answers.
    QThread m_desktop;
    test::StatusNotifierWatcher *m_watcher = nullptr;
    QDBusConnection m_bus = QDBusConnection::sessionBus();
    QTemporaryDir m_icons;

    std::unique_ptr<AppObjects> services() { return test::shellServices(*m_fixture); }

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
        applyApplicationIdentity();
        // The symbolic icon, installed in an icon theme of the test's own.
        QVERIFY(m_icons.isValid());
        const QString apps = m_icons.filePath(QStringLiteral("hicolor/scalable/apps"));
        QVERIFY(QDir().mkpath(apps));
        QFile index(m_icons.filePath(QStringLiteral("hicolor/index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=scalable/apps\n\n[scalable/apps]\nSize=16\nMinSize=8\nMaxSize=512\nType=Scalable\n");
        index.close();
        QFile symbolic(apps + QLatin1String("/app.quelta.Quelta-symbolic.svg"));
        QVERIFY(symbolic.open(QIODevice::WriteOnly));
        symbolic.write("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 16 16'><circle cx='8' cy='8' r='3'/></svg>");
        symbolic.close();
        QIcon::setThemeSearchPaths({m_icons.path()});
        QIcon::setThemeName(QStringLiteral("hicolor"));
        m_desktop.start();
        m_watcher = new test::StatusNotifierWatcher;
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

    // First, before any tray icon of this process exists: a desktop whose watcher starts 10 s after Quelta.
    void aWatcherStartingLateTakesOverFromTheWindow()
    {
        QDBusConnection desktop(QStringLiteral("desktop"));
        QVERIFY(desktop.unregisterService(watcherService));
        auto app = services();
        TrayShell::Options late = options();
        late.trayGrace = 300ms;
        TrayShell shell(*app, late);
        shell.start();
        m_fixture->clock.advance(300ms);
        QTRY_VERIFY(shell.popover() && shell.popover()->isVisible());
        QCOMPARE(shell.popover()->mode(), PopoverWindow::Mode::window);
        QVERIFY(!shell.statusItem()->trayIcon());

        m_fixture->clock.advance(10s);
        QVERIFY(desktop.registerService(watcherService));
        QTRY_COMPARE(m_watcher->items().size(), 1);
        QTRY_VERIFY(!shell.popover()->isVisible());

        // The watcher going away gives the window back; its return takes over again.
        QVERIFY(desktop.unregisterService(watcherService));
        QTRY_VERIFY(shell.popover()->isVisible());
        QVERIFY(!shell.statusItem()->trayIcon());
        QVERIFY(desktop.registerService(watcherService));
        QTRY_COMPARE(m_watcher->items().size(), 2);
        QTRY_VERIFY(!shell.popover()->isVisible());
    }

    void theItemNamesItselfAndOffersOpenAndQuit()
    {
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        QTRY_COMPARE(m_watcher->items().size(), 1);
        const QString item = m_watcher->items().first();
        QCOMPARE(itemProperty(item, QStringLiteral("Title")).toString(), QStringLiteral("Quelta"));
        QCOMPARE(itemProperty(item, QStringLiteral("IconName")).toString(), QStringLiteral("app.quelta.Quelta-symbolic"));

        const QString menuPath = itemProperty(item, QStringLiteral("Menu")).value<QDBusObjectPath>().path();
        QDBusMessage layoutCall = QDBusMessage::createMethodCall(item, menuPath, QStringLiteral("com.canonical.dbusmenu"),
                                                                 QStringLiteral("GetLayout"));
        layoutCall << 0 << -1 << QStringList{};
        const QDBusMessage layout = askAsDesktop(layoutCall);
        QCOMPARE(layout.arguments().size(), 2);
        const MenuEntry root = readMenuEntry(layout.arguments().at(1).value<QDBusArgument>());
        QStringList entries;
        for (const MenuEntry &entry : root.children)
            entries << entry.properties.value(QStringLiteral("type"), entry.properties.value(QStringLiteral("label"))).toString();
        QCOMPARE(entries, (QStringList{QStringLiteral("Open Quelta"), QStringLiteral("Show History…"), QStringLiteral("separator"),
                                       QStringLiteral("Quit Quelta")}));

        // Where the host opens the menu on a left click, "Open Quelta" still reaches the popover.
        QDBusMessage click = QDBusMessage::createMethodCall(item, menuPath, QStringLiteral("com.canonical.dbusmenu"),
                                                            QStringLiteral("Event"));
        click << root.children.first().id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0)) << uint(0);
        askAsDesktop(click);
        QTRY_VERIFY(shell.popover() && shell.popover()->isVisible());
        QCOMPARE(shell.popover()->mode(), PopoverWindow::Mode::popup);

        // "Show History…" makes the window, over the popover; closing it deletes it, and the next
        // opening makes a new one.
        for (int opening = 0; opening < 2; ++opening) {
            QDBusMessage history = click;
            history.setArguments({root.children.at(1).id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), uint(0)});
            askAsDesktop(history);
            QTRY_VERIFY(shell.historyWindow() && shell.historyWindow()->isVisible());
            QCOMPARE(shell.historyWindow()->windowTitle(), QStringLiteral("Quelta History"));
            QVERIFY(!shell.popover()->isVisible());
            shell.historyWindow()->close();
            QTRY_VERIFY(!shell.historyWindow());
        }

        QSignalSpy quits(&shell, &TrayShell::quitRequested);
        QDBusMessage quit = click;
        quit.setArguments({root.children.last().id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), uint(0)});
        askAsDesktop(quit);
        QTRY_COMPARE(quits.size(), 1);
        QCOMPARE(shell.statusItem()->menu()->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        const QVariant shortcut = root.children.last().properties.value(QStringLiteral("shortcut"));
        QCOMPARE(qdbus_cast<QList<QStringList>>(shortcut.value<QDBusArgument>()), (QList<QStringList>{{QStringLiteral("Control"), QStringLiteral("q")}}));
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
        QVERIFY(!shell.statusItem()->trayIcon());

        const auto click = [&](const QString &method) {
            QDBusMessage call = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                               QStringLiteral("org.kde.StatusNotifierItem"), method);
            call << 10 << 10;
            // Sent as the desktop sends it; the item's own connection cannot wait on itself.
            QDBusConnection(QStringLiteral("desktop")).asyncCall(call);
        };
        click(QStringLiteral("Activate"));
        QTRY_VERIFY(shell.popover() && shell.popover()->isVisible());
        click(QStringLiteral("Activate"));
        QTRY_VERIFY(!shell.popover()->isVisible());

        // A right click while the popover is open opens the menu in its place.
        click(QStringLiteral("Activate"));
        QTRY_VERIFY(shell.popover()->isVisible());
        click(QStringLiteral("ContextMenu"));
        QTRY_VERIFY(shell.statusItem()->menu()->isVisible());
        QVERIFY(!shell.popover()->isVisible());
        shell.statusItem()->menu()->hide();
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
        BusFace face(*app, shell, m_bus);
        QVERIFY(face.isRegistered());
        shell.start();

        QProcess second;
        QSignalSpy finished(&second, &QProcess::finished);
        second.start(QStringLiteral(QUELTA_PROGRAM), {});
        QVERIFY(finished.wait(20'000));
        QCOMPARE(second.exitCode(), 0);
        QTRY_VERIFY(shell.popover() && shell.popover()->isVisible());
    }

    // `quelta accounts` beside a running Quelta is done by that Quelta: its monitor shows the
    // change at once, and nothing is written behind its back.
    void accountCommandsGoToTheRunningQuelta()
    {
        m_fixture->writeHomeFile(QStringLiteral(".claude-work/.credentials.json"), "{}");
        auto app = services();
        TrayShell shell(*app, options());
        BusFace face(*app, shell, m_bus);
        QVERIFY(face.isRegistered());
        const AccountID work(ProviderID::claudeCode, QStringLiteral("work"));
        for (const auto &[verb, said, tracked] : {std::tuple{"track", "claude:work is tracked.\n", true},
                                                  std::tuple{"untrack", "claude:work is no longer tracked.\n", false}}) {
            QProcess command;
            QSignalSpy finished(&command, &QProcess::finished);
            command.start(QStringLiteral(QUELTA_PROGRAM), {QStringLiteral("accounts"), QString::fromLatin1(verb), QStringLiteral("claude:work")});
            QVERIFY(finished.wait(20'000));
            QCOMPARE(command.readAllStandardError(), QByteArray());
            QCOMPARE(command.readAllStandardOutput(), QByteArray(said));
            QCOMPARE(command.exitCode(), 0);
            QCOMPARE(app->monitor().enabledProviderIDs().contains(work), tracked);
            QCOMPARE(app->monitor().visibleProviders().last().name == QStringLiteral("Claude · work"), tracked);
        }
    }

    void refreshCallsDuringARefreshJoinIt()
    {
        allowanceStore::saveAuthorizedProviders(m_fixture->store, {ProviderID::codex});
        const QByteArray reply = R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":25,"windowDurationMins":300}}}})";
        const QString gate = m_fixture->home(QStringLiteral("answer"));
        m_fixture->writeHomeFile(QStringLiteral("codex-scenario.json"),
                                 QJsonDocument(QJsonObject{{QStringLiteral("output"), QString::fromUtf8(reply + '\n')},
                                                           {QStringLiteral("answerWhenExists"), gate}})
                                     .toJson());
        auto app = services();
        TrayShell shell(*app, options());
        BusFace face(*app, shell, m_bus);
        QVERIFY(face.isRegistered());

        QList<QDBusPendingCall> calls;
        for (int call = 0; call < 50; ++call) {
            QDBusMessage refresh = QDBusMessage::createMethodCall(QStringLiteral("app.quelta.Quelta"), QStringLiteral("/app/quelta/Quelta"),
                                                                  QStringLiteral("app.quelta.Quelta"), QStringLiteral("Refresh"));
            calls << QDBusConnection(QStringLiteral("desktop")).asyncCall(refresh << (call % 2 == 0), 30'000);
        }
        const QString read = QStringLiteral("-s read-only -a never app-server");
        QTRY_COMPARE(codexRuns(read), 1);
        QTest::qWait(100);
        QVERIFY(std::none_of(calls.begin(), calls.end(), [](const QDBusPendingCall &call) { return call.isFinished(); }));
        m_fixture->writeHomeFile(QStringLiteral("answer"), {});
        QTRY_VERIFY(std::all_of(calls.begin(), calls.end(), [](const QDBusPendingCall &call) { return call.isFinished(); }));
        QVERIFY(std::none_of(calls.begin(), calls.end(), [](const QDBusPendingCall &call) { return call.isError(); }));
        QCOMPARE(codexRuns(read), 1);
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
        BusFace face(*app, shell, m_bus);
        QVERIFY(face.isRegistered());

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
    }

    void twoQuickConnectsStartOneSignIn()
    {
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        // What the popover shows, all through the attempt: the launch's own load, which may end
        // while the sign-in still runs, must not end it.
        QList<ProviderConnectionAttemptState> shown;
        QObject recording;
        QObject::connect(&app->monitor(), &AllowanceMonitor::providerChanged, &recording, [&](const AccountID &id) {
            const ProviderConnectionAttemptState state = app->monitor().connectionAttemptState(id);
            if (id == ProviderID::codex && (shown.isEmpty() || shown.last() != state))
                shown.append(state);
        });
        shell.connectProvider(ProviderID::codex);
        shell.connectProvider(ProviderID::codex);
        QTRY_COMPARE(app->monitor().connectionAttemptState(ProviderID::codex), ProviderConnectionAttemptState::idle);
        QCOMPARE(codexRuns(QStringLiteral("login")), 1);
        QCOMPARE(shown, (QList{ProviderConnectionAttemptState::connecting, ProviderConnectionAttemptState::idle}));
    }
};

QTEST_MAIN(TrayShellTest)
#include "TrayShellTest.moc"
