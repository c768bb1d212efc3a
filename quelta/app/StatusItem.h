#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSystemTrayIcon>

#include <memory>

class QMenu;

namespace quelta {

class Clock;
class TrayPresence;

// The tray icon and its menu: shown whenever the desktop has a tray, gone while it has none.
class StatusItem final : public QObject
{
    Q_OBJECT
public:
    StatusItem(TrayPresence &presence, Clock &clock, QObject *parent = nullptr);
    ~StatusItem() override;

    // The icon in the tray, while there is one.
    QSystemTrayIcon *trayIcon() const { return m_icon; }
    QMenu *menu() const { return m_menu.get(); }
    // Where the tray put the icon on screen; empty where the tray does not say (most
    // StatusNotifierItem hosts).
    QRect geometry() const;
    // Draws the icon again for the panel it sits on now.
    void updateIcon();

Q_SIGNALS:
    // A left click, or "Open Quelta" in the menu.
    void activated();
    void quitRequested();
    void shownChanged(bool shown);

private:
    void follow();

    TrayPresence &m_presence;
    Clock &m_clock;
    std::unique_ptr<QMenu> m_menu;
    QPointer<QSystemTrayIcon> m_icon;
};

} // namespace quelta
