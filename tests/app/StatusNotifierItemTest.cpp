#include "DesktopTray.h"
#include "HostileTexts.h"
#include "MonitorTestSupport.h"
#include "TestFixture.h"

#include "app/DBusMenuTypes.h"
#include "app/StatusItem.h"
#include "app/StatusNotifierItem.h"
#include "app/StatusNotifierTypes.h"
#include "app/TrayFigure.h"
#include "app/TrayIcon.h"
#include "app/TrayPresence.h"
#include "commands/TerminalText.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

using namespace quelta;
using namespace std::chrono_literals;

// Each provider shown, at its figure or without one.
using Figures = QMap<ProviderID, std::optional<int>>;
Q_DECLARE_METATYPE(Figures)
Q_DECLARE_METATYPE(quelta::PanelAllowance)
Q_DECLARE_METATYPE(std::optional<quelta::TrayFigure>)

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

// Asked as the desktop asks, on its own connection, while the test's event loop keeps running.
QDBusMessage askAsDesktop(const QDBusMessage &call)
{
    QDBusPendingCall pending = QDBusConnection(QStringLiteral("desktop")).asyncCall(call);
    const QDeadlineTimer deadline(10s);
    while (!pending.isFinished() && !deadline.hasExpired())
        QTest::qWait(5);
    return pending.reply();
}

template <typename T>
T itemProperty(const QString &service, const QString &name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, QLatin1String(StatusNotifierItem::objectPath),
                                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << itemInterface << name;
    const QDBusMessage reply = askAsDesktop(call);
    if (reply.arguments().isEmpty())
        return T();
    const QVariant value = reply.arguments().constFirst().value<QDBusVariant>().variant();
    return value.canConvert<QDBusArgument>() ? qdbus_cast<T>(value.value<QDBusArgument>()) : value.value<T>();
}

QDBusMessage menuCall(const QString &service, const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, QLatin1String(StatusNotifierItem::menuPath), menuInterface, method);
    call.setArguments(arguments);
    return askAsDesktop(call);
}

QImage imageOf(const StatusNotifierImage &image)
{
    QImage decoded(image.width, image.height, QImage::Format_ARGB32);
    const auto *pixels = reinterpret_cast<const quint32 *>(image.pixels.constData());
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            decoded.setPixel(x, y, qFromBigEndian(pixels[y * image.width + x]));
    }
    return decoded;
}

} // namespace

// What the desktop hears from the item.
class HostEars : public QObject
{
    Q_OBJECT
public:
    QList<QStringList> labels;
    int toolTips = 0;
    int layouts = 0;
    QList<DBusMenuItems> updates;

    void listen(const QString &service)
    {
        QDBusConnection desktop(QStringLiteral("desktop"));
        const QString path = QLatin1String(StatusNotifierItem::objectPath);
        desktop.connect(service, path, itemInterface, QStringLiteral("XAyatanaNewLabel"), this, SLOT(label(QString, QString)));
        desktop.connect(service, path, itemInterface, QStringLiteral("NewToolTip"), this, SLOT(toolTip()));
        const QString menu = QLatin1String(StatusNotifierItem::menuPath);
        desktop.connect(service, menu, menuInterface, QStringLiteral("LayoutUpdated"), this, SLOT(layout()));
        desktop.connect(service, menu, menuInterface, QStringLiteral("ItemsPropertiesUpdated"), this,
                        SLOT(properties(quelta::DBusMenuItems, quelta::DBusMenuItemKeysList)));
    }

public Q_SLOTS:
    void label(const QString &label, const QString &guide) { labels.append({label, guide}); }
    void toolTip() { ++toolTips; }
    void layout() { ++layouts; }
    void properties(const quelta::DBusMenuItems &updated, const quelta::DBusMenuItemKeysList &) { updates.append(updated); }
};

// The item as a tray host reads it from the bus, against a watcher of the test's own.
class StatusNotifierItemTest : public QObject
{
    Q_OBJECT

    test::DesktopTray m_desktop;
    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::ScriptedLoads> m_loads;
    std::unique_ptr<AllowanceMonitor> m_monitor;
    std::unique_ptr<TrayPresence> m_presence;
    std::unique_ptr<StatusItem> m_item;

    // The providers at these figures (none: no figure), each enabled and loaded.
    void startWith(const Figures &figures, const PanelAllowance &panel = {})
    {
        allowanceStore::saveEnabledProviders(m_fixture->store, AccountSet(figures.keyBegin(), figures.keyEnd()));
        allowanceStore::saveAuthorizedProviders(m_fixture->store, AccountSet(figures.keyBegin(), figures.keyEnd()));
        allowanceStore::savePanelAllowance(m_fixture->store, panel);
        answerWith(figures);
        m_monitor = std::make_unique<AllowanceMonitor>(m_fixture->store, m_fixture->clock,
                                                       AllowanceMonitor::Dependencies{.connectors = m_loads->loader(), .isSubstituteLoader = true});
        load();
        m_presence = std::make_unique<TrayPresence>(QDBusConnection::sessionBus());
        m_item = std::make_unique<StatusItem>(*m_presence, *m_monitor, m_fixture->clock, QDBusConnection::sessionBus());
    }

    void answerWith(const Figures &figures)
    {
        for (auto [id, figure] : figures.asKeyValueRange()) {
            m_loads->answers.insert(id, [id, figure] {
                return figure ? test::connectedAllowance(id, *figure)
                              : ProviderAllowance::failure(id, QStringLiteral("Sign in again"), ConnectionState::needsConnection);
            });
        }
    }

    void load()
    {
        // Past the spacing between two loads of a provider.
        m_fixture->clock.advance(1h);
        m_monitor->refresh(false);
        QTRY_VERIFY(!m_monitor->isRefreshing());
    }

    QString service() const { return m_item->notifierItem() ? m_item->notifierItem()->serviceName() : QString(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run inside dbus-run-session");
        registerStatusNotifierTypes();
        registerDBusMenuTypes();
        QVERIFY(m_desktop.start());
    }

    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_loads = std::make_unique<test::ScriptedLoads>();
        m_desktop.watcher().clear();
    }

    void cleanup()
    {
        m_item.reset();
        m_presence.reset();
        m_monitor.reset();
        QDBusConnection desktop(QStringLiteral("desktop"));
        if (!desktop.interface()->isServiceRegistered(watcherService))
            QVERIFY(desktop.registerService(watcherService));
    }

    void theLabelFollowsTheSetting_data()
    {
        QTest::addColumn<Figures>("figures");
        QTest::addColumn<PanelAllowance>("panel");
        QTest::addColumn<QString>("label");
        const Figures both{{ProviderID::codex, 62}, {ProviderID::claudeCode, 30}};
        const std::optional<ProviderID> tightest;
        QTest::newRow("off") << both << PanelAllowance{false, tightest} << QString();
        QTest::newRow("off, following one") << both << PanelAllowance{false, ProviderID::codex} << QString();
        QTest::newRow("the tightest") << both << PanelAllowance{true, tightest} << QStringLiteral("30%");
        QTest::newRow("the one followed") << both << PanelAllowance{true, ProviderID::codex} << QStringLiteral("62%");
        QTest::newRow("followed but hidden") << both << PanelAllowance{true, ProviderID::framer} << QStringLiteral("30%");
        QTest::newRow("followed without figure") << Figures{{ProviderID::codex, 62}, {ProviderID::claudeCode, std::nullopt}}
                                                 << PanelAllowance{true, ProviderID::claudeCode} << QString();
        QTest::newRow("no figure at all") << Figures{{ProviderID::codex, std::nullopt}} << PanelAllowance{true, tightest} << QString();
    }

    void theLabelFollowsTheSetting()
    {
        QFETCH(Figures, figures);
        QFETCH(PanelAllowance, panel);
        QFETCH(QString, label);
        startWith(figures, panel);
        QTRY_COMPARE(m_desktop.watcher().items(), QStringList{service()});
        QCOMPARE(itemProperty<QString>(service(), QStringLiteral("XAyatanaLabel")), label);
        QCOMPARE(itemProperty<QString>(service(), QStringLiteral("XAyatanaLabelGuide")), label.isEmpty() ? QString() : QStringLiteral("100%"));
    }

    void theLabelIsAnnouncedOnlyWhenItChanges()
    {
        startWith({{ProviderID::codex, 62}});
        QTRY_VERIFY(!m_desktop.watcher().items().isEmpty());
        HostEars ears;
        ears.listen(service());
        m_monitor->setPanelAllowance({true, {}});
        QTRY_COMPARE(ears.labels, (QList<QStringList>{{QStringLiteral("62%"), QStringLiteral("100%")}}));
        answerWith({{ProviderID::codex, 8}});
        load();
        QTRY_COMPARE(ears.labels.size(), 2);
        QCOMPARE(ears.labels.last(), (QStringList{QStringLiteral("8%"), QStringLiteral("100%")}));
        // The same figure again, and the setting written again: nothing new.
        load();
        m_monitor->setPanelAllowance({true, ProviderID::codex});
        m_monitor->setPanelAllowance({false, ProviderID::codex});
        QTRY_COMPARE(ears.labels.size(), 3);
        QCOMPARE(ears.labels.last(), (QStringList{QString(), QString()}));
        QTest::qWait(50);
        QCOMPARE(ears.labels.size(), 3);
    }

    void theToolTipListsEveryProvider_data() { test::addHostileTextRows(); }

    void theToolTipListsEveryProvider()
    {
        QFETCH(QString, hostile);
        startWith({{ProviderID::codex, 62}, {ProviderID::claudeCode, 30}});
        m_loads->answers.insert(ProviderID::claudeCode, [hostile] {
            ProviderAllowance allowance = test::connectedAllowance(ProviderID::claudeCode, 30);
            allowance.name = hostile;
            return allowance;
        });
        load();
        QTRY_VERIFY(!m_desktop.watcher().items().isEmpty());
        const auto toolTip = itemProperty<StatusNotifierToolTip>(service(), QStringLiteral("ToolTip"));
        QCOMPARE(toolTip.title, QStringLiteral("Quelta"));
        QStringList read;
        for (const QString &line : toolTip.description.split(QLatin1Char('\n')))
            read << test::markupReading(line).value_or(QStringLiteral("<unreadable>"));
        // Display order: Codex first.
        QCOMPARE(read, (QStringList{displayName(ProviderID::codex) + QStringLiteral(" 62%"), oneLineText(hostile) + QStringLiteral(" 30%")}));
    }

    void thePixmapIsTheIconInNetworkOrder_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<std::optional<TrayFigure>>("figure");
        QTest::newRow("mark") << false << 62 << std::optional<TrayFigure>();
        QTest::newRow("figure") << true << 62 << std::optional(TrayFigure{62, BarTone::primary});
        QTest::newRow("orange figure") << true << 20 << std::optional(TrayFigure{20, BarTone::orange});
        QTest::newRow("red figure") << true << 8 << std::optional(TrayFigure{8, BarTone::red});
    }

    // Hosts give no geometry: the icon is drawn for a bar of unknown colour.
    void thePixmapIsTheIconInNetworkOrder()
    {
        QFETCH(bool, shown);
        QFETCH(int, remaining);
        QFETCH(std::optional<TrayFigure>, figure);
        startWith({{ProviderID::codex, remaining}}, {shown, {}});
        QTRY_VERIFY(!m_desktop.watcher().items().isEmpty());
        const auto images = itemProperty<StatusNotifierImages>(service(), QStringLiteral("IconPixmap"));
        QList<int> sides;
        for (const StatusNotifierImage &image : images) {
            sides << image.width;
            QCOMPARE(image.height, image.width);
            const QImage expected = trayIconFor(std::nullopt, figure).pixmap(QSize(image.width, image.width), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(imageOf(image), expected);
        }
        QCOMPARE(sides, (QList{16, 22, 24, 32, 48}));
    }

    void menuChangesReachTheHost()
    {
        startWith({{ProviderID::codex, 62}});
        QTRY_VERIFY(!m_desktop.watcher().items().isEmpty());
        HostEars ears;
        ears.listen(service());
        QAction *quit = m_item->menu()->actions().last();
        quit->setEnabled(false);
        QTRY_COMPARE(ears.updates.size(), 1);
        QCOMPARE(ears.updates.first().first().id, 4);
        QCOMPARE(ears.updates.first().first().properties.value(QStringLiteral("enabled")), QVariant(false));
        m_item->menu()->addAction(QStringLiteral("More"));
        QTRY_COMPARE(ears.layouts, 1);
        const QDBusMessage layout = menuCall(service(), QStringLiteral("GetLayout"), {0, -1, QStringList()});
        QCOMPARE(qdbus_cast<DBusMenuLayoutItem>(layout.arguments().at(1)).children.size(), 5);
        // An entry the menu does not have is an error, not a click on something else.
        const QDBusMessage unknown = menuCall(service(), QStringLiteral("Event"),
                                              {99, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
        QCOMPARE(unknown.type(), QDBusMessage::ErrorMessage);
    }

    void theItemFollowsTheWatcher()
    {
        QDBusConnection desktop(QStringLiteral("desktop"));
        QVERIFY(desktop.unregisterService(watcherService));
        startWith({{ProviderID::codex, 62}});
        QVERIFY(!m_item->notifierItem());

        // A watcher that comes late gets the item; one that leaves takes it; its return gets a new one.
        QVERIFY(desktop.registerService(watcherService));
        QTRY_COMPARE(m_desktop.watcher().items().size(), 1);
        const QString first = m_desktop.watcher().items().first();
        QCOMPARE(first, service());
        QVERIFY(desktop.unregisterService(watcherService));
        QTRY_VERIFY(!m_item->notifierItem());
        QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(first));
        QVERIFY(desktop.registerService(watcherService));
        QTRY_COMPARE(m_desktop.watcher().items().size(), 2);
        QCOMPARE(m_desktop.watcher().items().last(), service());
        QVERIFY(service() != first);
    }

    void aWatcherThatTakesOverGetsTheItemToo()
    {
        QDBusConnection desktop(QStringLiteral("desktop"));
        QVERIFY(desktop.unregisterService(watcherService));
        QVERIFY(desktop.interface()->registerService(watcherService, QDBusConnectionInterface::DontQueueService,
                                                    QDBusConnectionInterface::AllowReplacement)
                    .isValid());
        startWith({{ProviderID::codex, 62}});
        QTRY_COMPARE(m_desktop.watcher().items().size(), 1);

        // A second desktop replaces the first without a moment with no watcher.
        QThread thread;
        thread.start();
        test::StatusNotifierWatcher successor;
        successor.moveToThread(&thread);
        QDBusConnection next = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("next desktop"));
        QVERIFY(next.registerObject(QStringLiteral("/StatusNotifierWatcher"), &successor, QDBusConnection::ExportAllContents));
        QCOMPARE(next.interface()->registerService(watcherService, QDBusConnectionInterface::ReplaceExistingService).value(),
                 QDBusConnectionInterface::ServiceRegistered);
        QTRY_COMPARE(successor.items(), QStringList{service()});
        next.unregisterService(watcherService);
        next.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        QDBusConnection::disconnectFromBus(QStringLiteral("next desktop"));
        thread.quit();
        thread.wait();
    }
};

QTEST_MAIN(StatusNotifierItemTest)
#include "StatusNotifierItemTest.moc"
