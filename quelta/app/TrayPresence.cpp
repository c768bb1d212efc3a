#include "TrayPresence.h"

#include "AppLogging.h"
#include "XEmbedTrayWatcher.h"

#include <QDBusConnectionInterface>
#include <QGuiApplication>

namespace quelta {

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

} // namespace

TrayPresence::TrayPresence(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_watcher(watcherService, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this](const QString &, const QString &, const QString &owner) {
        m_hasStatusNotifierWatcher = !owner.isEmpty();
        update();
    });
    m_hasStatusNotifierWatcher = m_bus.isConnected() && m_bus.interface()->isServiceRegistered(watcherService);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        m_xembed = new XEmbedTrayWatcher(this);
        connect(m_xembed, &XEmbedTrayWatcher::presenceChanged, this, &TrayPresence::update);
    }
    update();
}

void TrayPresence::update()
{
    Kind kind = Kind::none;
    if (m_hasStatusNotifierWatcher)
        kind = Kind::statusNotifier;
    else if (m_xembed && m_xembed->isTrayPresent())
        kind = Kind::xembed;
    if (kind == m_kind)
        return;
    static constexpr const char *names[] = {"none", "StatusNotifierItem", "XEmbed"};
    qCInfo(lcApp) << "tray:" << names[int(kind)];
    m_kind = kind;
    Q_EMIT kindChanged(kind);
}

} // namespace quelta
