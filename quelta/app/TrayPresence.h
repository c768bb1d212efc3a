#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

#include <chrono>

namespace quelta {

class Clock;

// Whether the desktop has a tray, and which kind: a StatusNotifierWatcher on the session bus, or
// an XEmbed tray on the X display. Watched from creation on, because trays start after the
// applications at login and come and go with panels.
class TrayPresence final : public QObject
{
    Q_OBJECT
public:
    enum class Kind { none, statusNotifier, xembed };

    // XEmbed trays announce themselves only to X clients that watch the root window, so the X
    // display is asked again every `pollInterval`.
    TrayPresence(Clock &clock, QDBusConnection bus, std::chrono::milliseconds pollInterval, QObject *parent = nullptr);

    Kind kind() const { return m_kind; }
    bool isPresent() const { return m_kind != Kind::none; }

Q_SIGNALS:
    void kindChanged(quelta::TrayPresence::Kind kind);

private:
    void update();
    void pollLater();

    Clock &m_clock;
    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    // Kept by the watcher's signal, so that the poll asks only the X display.
    bool m_hasStatusNotifierWatcher = false;
    std::chrono::milliseconds m_pollInterval;
    Kind m_kind = Kind::none;
};

// Whether an XEmbed tray owns the tray selection of the X display this process shows on.
bool xembedTrayRunning();

} // namespace quelta
