#pragma once

#include <QObject>

struct xcb_connection_t;
class QSocketNotifier;

namespace quelta {

// Whether an XEmbed tray owns the tray selection of the X display named by DISPLAY. Followed
// through the X server's selection events on a connection of its own, so nothing runs until a
// tray comes or goes, whichever platform Qt itself uses. With no display there is no tray.
class XEmbedTrayWatcher final : public QObject
{
    Q_OBJECT
public:
    explicit XEmbedTrayWatcher(QObject *parent = nullptr);
    ~XEmbedTrayWatcher() override;

    bool isTrayPresent() const { return m_present; }

Q_SIGNALS:
    void presenceChanged(bool present);

private:
    bool watchSelection(int screenNumber);
    bool hasOwner() const;
    bool drainSelectionEvents();
    void readEvents();
    void setPresent(bool present);

    xcb_connection_t *m_connection = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    uint32_t m_selection = 0;
    uint8_t m_selectionNotify = 0;
    bool m_present = false;
};

} // namespace quelta
