#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

namespace quelta {

class XEmbedTrayWatcher;

// Whether the desktop has a tray, and which kind: a StatusNotifierWatcher on the session bus, or
// an XEmbed tray on the X display. Watched from creation on, because trays start after the
// applications at login and come and go with panels.
class TrayPresence final : public QObject
{
    Q_OBJECT
public:
    enum class Kind { none, statusNotifier, xembed };

    explicit TrayPresence(QDBusConnection bus, QObject *parent = nullptr);

    Kind kind() const { return m_kind; }
    bool isPresent() const { return m_kind != Kind::none; }

Q_SIGNALS:
    void kindChanged(quelta::TrayPresence::Kind kind);

private:
    void update();

    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    bool m_hasStatusNotifierWatcher = false;
    // Only where Qt itself draws on an X display can it embed an icon in an XEmbed tray.
    XEmbedTrayWatcher *m_xembed = nullptr;
    Kind m_kind = Kind::none;
};

} // namespace quelta
