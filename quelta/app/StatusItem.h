#pragma once

#include "StatusNotifierItem.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSystemTrayIcon>

#include <memory>

class QMenu;

namespace quelta {

class AllowanceMonitor;
class Clock;
class TrayPresence;

// The tray icon and its menu: shown whenever the desktop has a tray, gone while it has none. Where
// a StatusNotifierWatcher runs it is our own item on the bus, which can carry a label; on an
// XEmbed tray it is Qt's. Its icon, tooltip and label follow the monitor.
class StatusItem final : public QObject
{
    Q_OBJECT
public:
    StatusItem(TrayPresence &presence, AllowanceMonitor &monitor, Clock &clock, QDBusConnection bus, QObject *parent = nullptr);
    ~StatusItem() override;

    // The icon in an XEmbed tray, while there is one.
    QSystemTrayIcon *trayIcon() const { return m_icon; }
    // The item on the bus, while a StatusNotifierWatcher runs.
    StatusNotifierItem *notifierItem() const { return m_item; }
    QMenu *menu() const { return m_menu.get(); }
    // Where the tray put the icon on screen; empty where the tray does not say (most
    // StatusNotifierItem hosts).
    QRect geometry() const;
    // Draws the icon again for the panel it sits on now.
    void updateIcon();
    // The menu at `position`, or at the pointer where the host gave none.
    void popUpMenu(const QPoint &position);

Q_SIGNALS:
    // A left click, or "Open Quelta" in the menu.
    void activated();
    // A right click: the menu is wanted at `position`.
    void menuRequested(const QPoint &position);
    // "Show History…" in the menu.
    void historyRequested();
    void quitRequested();

private:
    void follow();
    // The icon, tooltip and label for the figures the monitor has now.
    void followMonitor();
    void updateTexts();

    TrayPresence &m_presence;
    AllowanceMonitor &m_monitor;
    Clock &m_clock;
    QDBusConnection m_bus;
    std::unique_ptr<QMenu> m_menu;
    QPointer<QSystemTrayIcon> m_icon;
    QPointer<StatusNotifierItem> m_item;
};

} // namespace quelta
