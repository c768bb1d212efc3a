#include "TrayPresence.h"

#include "AppLogging.h"

#include "platform/Clock.h"

#include <QDBusConnectionInterface>
#include <QGuiApplication>

#include <xcb/xcb.h>

namespace quelta {

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// The screen part of DISPLAY (":0.1" is screen 1); the tray selection is per screen.
int defaultScreenNumber()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype dot = display.lastIndexOf(QLatin1Char('.'));
    if (dot < display.lastIndexOf(QLatin1Char(':')))
        return 0;
    return display.mid(dot + 1).toInt();
}

} // namespace

bool xembedTrayRunning()
{
    // Only the xcb platform has a display to ask; others (offscreen among them) may still answer
    // the X11 interface, without a connection.
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(defaultScreenNumber());
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, true, uint16_t(selection.size()), selection.constData()), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t name = atom->atom;
    free(atom);
    // An atom nobody interned yet means no tray ever started on this display.
    if (name == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, name), nullptr);
    if (!owner)
        return false;
    const bool owned = owner->owner != XCB_NONE;
    free(owner);
    return owned;
}

TrayPresence::TrayPresence(Clock &clock, QDBusConnection bus, std::chrono::milliseconds pollInterval, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_bus(std::move(bus))
    , m_watcher(watcherService, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
    , m_pollInterval(pollInterval)
{
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this](const QString &, const QString &, const QString &owner) {
        m_hasStatusNotifierWatcher = !owner.isEmpty();
        update();
    });
    m_hasStatusNotifierWatcher = m_bus.isConnected() && m_bus.interface()->isServiceRegistered(watcherService);
    update();
    pollLater();
}

void TrayPresence::update()
{
    Kind kind = Kind::none;
    if (m_hasStatusNotifierWatcher)
        kind = Kind::statusNotifier;
    else if (xembedTrayRunning())
        kind = Kind::xembed;
    if (kind == m_kind)
        return;
    static constexpr const char *names[] = {"none", "StatusNotifierItem", "XEmbed"};
    qCInfo(lcApp) << "tray:" << names[int(kind)];
    m_kind = kind;
    Q_EMIT kindChanged(kind);
}

void TrayPresence::pollLater()
{
    m_clock.callAfter(m_pollInterval, this, [this] {
        update();
        pollLater();
    });
}

} // namespace quelta
