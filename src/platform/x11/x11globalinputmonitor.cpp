#include "platform/x11/x11globalinputmonitor.h"

#include "platform/x11/x11connection.h"

#include <QLoggingCategory>
#include <QMetaObject>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>
#include <optional>

namespace {
Q_LOGGING_CATEGORY(lcInput, "ringle.x11.input")

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

// Buttons 4 to 7 are the scroll wheel's steps, not clicks.
bool isScrollButton(quint32 button)
{
    return button >= 4 && button <= 7;
}
} // namespace

std::unique_ptr<X11GlobalInputMonitor> X11GlobalInputMonitor::create(X11Connection &connection)
{
    xcb_connection_t *c = connection.connection();
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(c, &xcb_input_id);
    if (!extension || !extension->present) {
        qCWarning(lcInput) << "the X server has no XInput extension";
        return nullptr;
    }
    // Announcing 2.2 matters: from 2.1 on, raw events arrive even while another client holds a grab.
    Reply<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(c, xcb_input_xi_query_version(c, 2, 2), nullptr));
    if (!version || version->major_version < 2 || (version->major_version == 2 && version->minor_version < 1)) {
        qCWarning(lcInput) << "the X server's XInput is older than 2.1";
        return nullptr;
    }
    return std::unique_ptr<X11GlobalInputMonitor>(new X11GlobalInputMonitor(connection, extension->major_opcode));
}

X11GlobalInputMonitor::X11GlobalInputMonitor(X11Connection &connection, quint8 opcode)
    : m_connection(connection)
    , m_opcode(opcode)
{
    m_handlerId = m_connection.addEventHandler([this](const void *event) { handleEvent(event); });
}

X11GlobalInputMonitor::~X11GlobalInputMonitor()
{
    stop();
    m_connection.removeEventHandler(m_handlerId);
}

bool X11GlobalInputMonitor::start(Handler handler)
{
    const bool wasActive = isActive();
    m_handler = std::move(handler);
    if (!wasActive) {
        readModifierKeys();
        select(true);
    }
    return true;
}

void X11GlobalInputMonitor::stop()
{
    if (!isActive())
        return;
    m_handler = nullptr;
    select(false);
}

void X11GlobalInputMonitor::select(bool on)
{
    struct {
        xcb_input_event_mask_t head;
        quint32 mask;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
           on ? quint32(XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS) : 0u};
    xcb_input_xi_select_events(m_connection.connection(), m_connection.root(), 1, &mask.head);
    m_connection.flush();
}

void X11GlobalInputMonitor::readModifierKeys()
{
    xcb_connection_t *c = m_connection.connection();
    Reply<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    m_modifierKeys.clear();
    if (!reply)
        return;
    const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int count = xcb_get_modifier_mapping_keycodes_length(reply.get());
    for (int i = 0; i < count; ++i) {
        if (codes[i] != 0)
            m_modifierKeys.insert(codes[i]);
    }
}

void X11GlobalInputMonitor::handleEvent(const void *event)
{
    const auto *generic = static_cast<const xcb_ge_generic_event_t *>(event);
    if (!isActive() || (generic->response_type & 0x7f) != XCB_GE_GENERIC || generic->extension != m_opcode)
        return;
    const auto *raw = static_cast<const xcb_input_raw_button_press_event_t *>(event);
    std::optional<Input> input;
    if (generic->event_type == XCB_INPUT_RAW_BUTTON_PRESS && !isScrollButton(raw->detail))
        input = Input::buttonPress;
    else if (generic->event_type == XCB_INPUT_RAW_KEY_PRESS && !m_modifierKeys.contains(raw->detail))
        input = Input::keyPress;
    if (!input)
        return;
    // The handler may stop the monitor while it runs.
    if (const Handler handler = m_handler)
        handler(*input);
}
