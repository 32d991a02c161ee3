#include "platform/x11/x11selectionowner.h"

#include "platform/x11/x11connection.h"

#include <QLoggingCategory>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <cstring>

namespace {
Q_LOGGING_CATEGORY(lcOwner, "ringle.x11.clipboard")

using Clock = std::chrono::steady_clock;
} // namespace

X11SelectionOwner::X11SelectionOwner(X11Connection &connection, const QByteArray &selection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_selection(connection.atom(selection))
    , m_window(connection.createWindow())
{
    m_handler = m_connection.addEventHandler([this](const void *event) { onEvent(event); });
    m_reaper.setInterval(1000);
    connect(&m_reaper, &QTimer::timeout, this, &X11SelectionOwner::dropStalledTransfers);
}

X11SelectionOwner::~X11SelectionOwner()
{
    m_connection.removeEventHandler(m_handler);
    m_connection.destroyWindow(m_window);
}

void X11SelectionOwner::own(ClipboardItem targets)
{
    m_targets = std::move(targets);
    m_owned = true;
    m_time = 0;
    xcb_set_selection_owner(m_connection.connection(), m_window, m_selection, XCB_CURRENT_TIME);
    m_connection.flush();
}

void X11SelectionOwner::clear()
{
    m_targets.clear();
    m_owned = false;
    // Giving the selection to no one works whoever holds it; the holder is told to let go.
    xcb_set_selection_owner(m_connection.connection(), XCB_NONE, m_selection, XCB_CURRENT_TIME);
    m_connection.flush();
}

bool X11SelectionOwner::owns()
{
    xcb_connection_t *c = m_connection.connection();
    xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, m_selection), nullptr);
    const bool ours = reply && reply->owner == m_window;
    std::free(reply);
    return ours;
}

void X11SelectionOwner::onEvent(const void *e)
{
    const auto *event = static_cast<const xcb_generic_event_t *>(e);
    const int type = event->response_type & 0x7f;
    if (type == XCB_SELECTION_REQUEST) {
        handleRequest(event);
    } else if (type == XCB_SELECTION_CLEAR) {
        const auto *clear = reinterpret_cast<const xcb_selection_clear_event_t *>(event);
        // A clear that was queued before we took the selection again must not drop the new content.
        if (clear->owner == m_window && clear->selection == m_selection && !owns()) {
            m_owned = false;
            m_targets.clear();
        }
    } else if (type == XCB_PROPERTY_NOTIFY) {
        const auto *n = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (n->state == XCB_PROPERTY_DELETE)
            continueTransfer(n->window, n->atom);
    } else if (m_connection.xfixesFirstEvent() >= 0 && type == m_connection.xfixesFirstEvent() + XCB_XFIXES_SELECTION_NOTIFY) {
        const auto *n = reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event);
        if (n->selection == m_selection && n->owner == m_window)
            m_time = n->selection_timestamp;
    }
}

void X11SelectionOwner::handleRequest(const void *r)
{
    const auto *request = static_cast<const xcb_selection_request_event_t *>(r);
    if (request->owner != m_window || request->selection != m_selection)
        return;
    xcb_connection_t *c = m_connection.connection();
    // Old clients name no property; the target then serves as the property.
    quint32 property = request->property == XCB_NONE ? request->target : request->property;
    bool served = false;
    if (m_owned) {
        if (request->target == m_connection.atom("MULTIPLE") && request->property != XCB_NONE) {
            // A list of (target, property) pairs; targets that cannot be served get None.
            xcb_get_property_reply_t *pairs = xcb_get_property_reply(
                c, xcb_get_property(c, false, request->requestor, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096), nullptr);
            if (pairs && pairs->format == 32) {
                const int count = xcb_get_property_value_length(pairs) / 4;
                QList<quint32> atoms(count);
                if (count > 0)
                    std::memcpy(atoms.data(), xcb_get_property_value(pairs), size_t(count) * 4);
                for (int i = 0; i + 1 < count; i += 2) {
                    if (atoms[i] == request->target || !convert(request->requestor, atoms[i], atoms[i + 1]))
                        atoms[i + 1] = XCB_NONE;
                }
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, request->requestor, property, pairs->type, 32, quint32(count),
                                    atoms.constData());
                served = true;
            }
            std::free(pairs);
        } else {
            served = convert(request->requestor, request->target, property);
        }
    }
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request->time;
    notify.requestor = request->requestor;
    notify.selection = request->selection;
    notify.target = request->target;
    notify.property = served ? property : XCB_NONE;
    xcb_send_event(c, false, request->requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&notify));
    m_connection.flush();
}

bool X11SelectionOwner::convert(quint32 requestor, quint32 target, quint32 property)
{
    xcb_connection_t *c = m_connection.connection();
    const QByteArray name = m_connection.atomName(target);
    auto find = [this](const QString &type) -> const ClipboardFormat * {
        for (const ClipboardFormat &f : std::as_const(m_targets)) {
            if (f.type == type)
                return &f;
        }
        return nullptr;
    };
    if (name == "TARGETS") {
        QList<quint32> atoms{target, m_connection.atom("MULTIPLE"), m_connection.atom("TIMESTAMP")};
        if (find(u"UTF8_STRING"_qs) || find(u"STRING"_qs))
            atoms.append(m_connection.atom("TEXT"));
        for (const ClipboardFormat &f : std::as_const(m_targets))
            atoms.append(m_connection.atom(f.type.toLatin1()));
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32, quint32(atoms.size()), atoms.constData());
        return true;
    }
    if (name == "TIMESTAMP") {
        if (!m_time)
            return false;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_INTEGER, 32, 1, &m_time);
        return true;
    }
    // TEXT asks for any text encoding; the reply's type says which one it is.
    const ClipboardFormat *format = nullptr;
    quint32 type = target;
    if (name == "TEXT") {
        format = find(u"UTF8_STRING"_qs);
        if (!format)
            format = find(u"STRING"_qs);
        if (format)
            type = m_connection.atom(format->type.toLatin1());
    } else {
        format = find(QString::fromLatin1(name));
    }
    if (!format)
        return false;
    if (format->data.size() <= incrementSize) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, type, 8, quint32(format->data.size()), format->data.constData());
        return true;
    }
    // Too large for one property: announce the size, then hand out a piece each time the
    // requestor deletes the property.
    const quint32 values[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_change_window_attributes(c, requestor, XCB_CW_EVENT_MASK, values);
    const quint32 size = quint32(format->data.size());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, m_connection.atom("INCR"), 32, 1, &size);
    m_transfers.removeIf([&](const Transfer &t) { return t.requestor == requestor && t.property == property; });
    m_transfers.append({requestor, property, type, format->data, 0, Clock::now()});
    if (!m_reaper.isActive())
        m_reaper.start();
    return true;
}

void X11SelectionOwner::continueTransfer(quint32 requestor, quint32 property)
{
    for (qsizetype i = 0; i < m_transfers.size(); ++i) {
        Transfer &t = m_transfers[i];
        if (t.requestor != requestor || t.property != property)
            continue;
        const qsizetype length = std::min(incrementSize, t.data.size() - t.offset);
        // The piece after the last one is empty and ends the transfer.
        xcb_change_property(m_connection.connection(), XCB_PROP_MODE_REPLACE, requestor, property, t.type, 8, quint32(length),
                            t.data.constData() + t.offset);
        m_connection.flush();
        if (length == 0) {
            const quint32 none[] = {XCB_EVENT_MASK_NO_EVENT};
            xcb_change_window_attributes(m_connection.connection(), requestor, XCB_CW_EVENT_MASK, none);
            m_transfers.removeAt(i);
        } else {
            t.offset += length;
            t.lastProgress = Clock::now();
        }
        return;
    }
}

void X11SelectionOwner::dropStalledTransfers()
{
    const auto now = Clock::now();
    const qsizetype before = m_transfers.size();
    m_transfers.removeIf([&](const Transfer &t) { return now - t.lastProgress > transferTimeout; });
    if (m_transfers.size() != before)
        qCDebug(lcOwner) << before - m_transfers.size() << "stalled clipboard transfers dropped";
    if (m_transfers.isEmpty())
        m_reaper.stop();
}
