#include "XEmbedTrayWatcher.h"

#include "AppLogging.h"

#include <QByteArray>
#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

namespace quelta {

XEmbedTrayWatcher::XEmbedTrayWatcher(QObject *parent)
    : QObject(parent)
{
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        return;
    if (!watchSelection(screenNumber)) {
        qCInfo(lcApp) << "the X server cannot report tray changes (no XFixes): XEmbed trays are not followed";
        return;
    }
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &XEmbedTrayWatcher::readEvents);
    m_present = hasOwner();
    // Events that came in with the answer: the socket will not announce them again.
    readEvents();
}

XEmbedTrayWatcher::~XEmbedTrayWatcher()
{
    delete m_notifier;
    xcb_disconnect(m_connection);
}

bool XEmbedTrayWatcher::watchSelection(int screenNumber)
{
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(m_connection, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return false;
    m_selectionNotify = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    // The server answers XFixes requests only once the client said which version it speaks.
    free(xcb_xfixes_query_version_reply(m_connection, xcb_xfixes_query_version(m_connection, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
                                        nullptr));

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return false;
    // Interned even before any tray exists, so that the first one to start is noticed.
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screenNumber);
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, false, uint16_t(name.size()), name.constData()), nullptr);
    if (!atom)
        return false;
    m_selection = atom->atom;
    free(atom);
    xcb_xfixes_select_selection_input(m_connection, screens.data->root, m_selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER
                                          | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY
                                          | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    return true;
}

bool XEmbedTrayWatcher::hasOwner() const
{
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_selection), nullptr);
    if (!owner)
        return false;
    const bool owned = owner->owner != XCB_NONE;
    free(owner);
    return owned;
}

// Whether any of the waiting events says the selection changed hands.
bool XEmbedTrayWatcher::drainSelectionEvents()
{
    bool changed = false;
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        changed = changed || (event->response_type & 0x7f) == m_selectionNotify;
        free(event);
    }
    return changed;
}

void XEmbedTrayWatcher::readEvents()
{
    // The owner is asked rather than read from the event: its answer is never older than the
    // events, and asking may bring further ones along.
    while (drainSelectionEvents())
        setPresent(hasOwner());
    if (!xcb_connection_has_error(m_connection))
        return;
    // The X server went away, and its trays with it; a closed socket would wake us for ever.
    qCInfo(lcApp) << "the X server closed the connection: XEmbed trays are no longer followed";
    m_notifier->setEnabled(false);
    setPresent(false);
}

void XEmbedTrayWatcher::setPresent(bool present)
{
    if (present == m_present)
        return;
    m_present = present;
    Q_EMIT presenceChanged(present);
}

} // namespace quelta
