#include "platform/x11/x11connection.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>
#include <xcb/xtest.h>

#include <cstdlib>

namespace {
Q_LOGGING_CATEGORY(lcX11, "ringle.x11")

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;
} // namespace

std::unique_ptr<X11Connection> X11Connection::open(const QByteArray &display)
{
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber);
    if (!c || xcb_connection_has_error(c)) {
        qCWarning(lcX11) << "cannot connect to the X server";
        if (c)
            xcb_disconnect(c);
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);
    return std::unique_ptr<X11Connection>(new X11Connection(c, screenNumber, screens.data->root));
}

X11Connection::X11Connection(xcb_connection_t *connection, int screenNumber, quint32 root)
    : m_connection(connection)
    , m_screenNumber(screenNumber)
    , m_root(root)
{
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(m_connection, &xcb_xfixes_id);
    if (xfixes && xfixes->present) {
        // The extension answers nothing until the client has told it which version it speaks.
        Reply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
            m_connection, xcb_xfixes_query_version(m_connection, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION), nullptr));
        if (version)
            m_xfixesFirstEvent = xfixes->first_event;
    }
    const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(m_connection, &xcb_test_id);
    m_hasXTest = xtest && xtest->present;

    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11Connection::dispatchPending);
}

X11Connection::~X11Connection()
{
    delete m_notifier;
    xcb_disconnect(m_connection);
}

quint32 X11Connection::atom(const QByteArray &name)
{
    const auto it = m_atoms.constFind(name);
    if (it != m_atoms.cend())
        return *it;
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, false, quint16(name.size()), name.constData()), nullptr));
    const quint32 a = reply ? reply->atom : quint32(XCB_ATOM_NONE);
    if (a != XCB_ATOM_NONE) {
        m_atoms.insert(name, a);
        m_atomNames.insert(a, name);
    }
    return a;
}

QByteArray X11Connection::atomName(quint32 atom)
{
    const auto it = m_atomNames.constFind(atom);
    if (it != m_atomNames.cend())
        return *it;
    Reply<xcb_get_atom_name_reply_t> reply(xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, atom), nullptr));
    if (!reply)
        return {};
    const QByteArray name(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()));
    m_atomNames.insert(atom, name);
    m_atoms.insert(name, atom);
    return name;
}

quint32 X11Connection::createWindow()
{
    const xcb_window_t window = xcb_generate_id(m_connection);
    const quint32 values[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, -10, -10, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, values);
    flush();
    return window;
}

void X11Connection::destroyWindow(quint32 window)
{
    xcb_destroy_window(m_connection, window);
    flush();
}

void X11Connection::flush()
{
    xcb_flush(m_connection);
}

void X11Connection::sync()
{
    Reply<xcb_get_input_focus_reply_t>(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    dispatchPending();
}

void X11Connection::dispatchPending()
{
    // A handler may make requests whose replies bring more events; the loop picks those up,
    // so a nested call has nothing to add.
    if (m_dispatching)
        return;
    m_dispatching = true;
    bool any = false;
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        any = true;
        const auto handlers = m_handlers; // a handler may remove itself
        for (const EventHandler &handler : handlers)
            handler(event);
        std::free(event);
    }
    m_dispatching = false;
    if (xcb_connection_has_error(m_connection)) {
        qCWarning(lcX11) << "the connection to the X server broke";
        m_notifier->setEnabled(false);
    }
    if (any)
        Q_EMIT eventsDispatched();
}

int X11Connection::addEventHandler(EventHandler handler)
{
    const int id = m_nextHandlerId++;
    m_handlers.insert(id, std::move(handler));
    return id;
}

void X11Connection::removeEventHandler(int id)
{
    m_handlers.remove(id);
}
