#include "platform/x11/x11selectionwatch.h"

#include "platform/x11/x11connection.h"

#include <xcb/xfixes.h>

X11SelectionWatch::X11SelectionWatch(X11Connection &connection, const QByteArray &selection,
                                     std::function<void()> ownerChanged)
    : m_connection(connection)
    , m_selection(connection.atom(selection))
{
    if (m_connection.xfixesFirstEvent() < 0)
        return;
    const int notifyType = m_connection.xfixesFirstEvent() + XCB_XFIXES_SELECTION_NOTIFY;
    m_handler = m_connection.addEventHandler([this, notifyType, ownerChanged = std::move(ownerChanged)](const void *e) {
        const auto *event = static_cast<const xcb_generic_event_t *>(e);
        if ((event->response_type & 0x7f) != notifyType)
            return;
        if (reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event)->selection == m_selection)
            ownerChanged();
    });
    m_window = m_connection.createWindow();
    xcb_xfixes_select_selection_input(m_connection.connection(), m_window, m_selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER
                                          | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY
                                          | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    m_connection.sync();
}

X11SelectionWatch::~X11SelectionWatch()
{
    if (!m_window)
        return;
    m_connection.removeEventHandler(m_handler);
    m_connection.destroyWindow(m_window);
}
