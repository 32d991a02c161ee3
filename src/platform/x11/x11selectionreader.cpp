#include "platform/x11/x11selectionreader.h"

#include "platform/x11/x11connection.h"

#include <QCoroTimer>
#include <QLoggingCategory>
#include <QTimer>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>

namespace {
Q_LOGGING_CATEGORY(lcReader, "ringle.x11.clipboard")

// Transfers get properties of their own, so a late answer to an abandoned request cannot be
// taken for the answer to a newer one.
constexpr quint32 propertyPoolSize = 16;
// How long one wait for events lasts before the deadline is checked again.
constexpr std::chrono::milliseconds waitSlice{25};
} // namespace

struct X11SelectionReader::Transfer {
    quint32 target = 0;
    quint32 property = 0;
    bool notified = false;
    bool refused = false;
    bool incremental = false;
    bool chunkReady = false;
};

X11SelectionReader::X11SelectionReader(X11Connection &connection, const QByteArray &selection)
    : m_connection(connection)
    , m_selection(connection.atom(selection))
    , m_window(connection.createWindow())
{
    m_handler = m_connection.addEventHandler([this](const void *event) { onEvent(event); });
}

X11SelectionReader::~X11SelectionReader()
{
    m_connection.removeEventHandler(m_handler);
    m_connection.destroyWindow(m_window);
}

bool X11SelectionReader::hasOwner()
{
    xcb_connection_t *c = m_connection.connection();
    xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, m_selection), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    std::free(reply);
    return owned;
}

void X11SelectionReader::onEvent(const void *e)
{
    const auto *event = static_cast<const xcb_generic_event_t *>(e);
    switch (event->response_type & 0x7f) {
    case XCB_SELECTION_NOTIFY: {
        const auto *n = reinterpret_cast<const xcb_selection_notify_event_t *>(event);
        if (n->requestor != m_window || n->selection != m_selection)
            return;
        for (const auto &t : std::as_const(m_transfers)) {
            // A refusal names no property, so it is matched by target alone.
            if (t->notified || t->target != n->target || (n->property != XCB_NONE && n->property != t->property))
                continue;
            t->notified = true;
            t->refused = n->property == XCB_NONE;
            return;
        }
        return;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto *n = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (n->window != m_window || n->state != XCB_PROPERTY_NEW_VALUE)
            return;
        const auto t = m_transfers.value(n->atom);
        if (t && t->incremental)
            t->chunkReady = true;
        return;
    }
    default:
        return;
    }
}

QCoro::Task<bool> X11SelectionReader::waitUntil(const std::shared_ptr<Transfer> &transfer, bool Transfer::*flag, Clock::time_point deadline)
{
    m_connection.dispatchPending();
    while (!((*transfer).*flag)) {
        const auto now = Clock::now();
        if (now >= deadline)
            co_return false;
        const auto slice = std::min<Clock::duration>(waitSlice, deadline - now);
        // New events cut the wait short. The wake-up goes through the timer rather than straight
        // from the signal: QCoro's own signal-with-timeout awaiter touches its freed timer when
        // the awaiting task ends inside the emission.
        QTimer timer;
        timer.setSingleShot(true);
        timer.start(std::chrono::ceil<std::chrono::milliseconds>(slice));
        const auto wake = QObject::connect(&m_connection, &X11Connection::eventsDispatched, &timer, [&timer] { timer.start(0); });
        co_await timer;
        QObject::disconnect(wake);
        // Events that arrived with a reply sit in the library's queue without waking the notifier.
        m_connection.dispatchPending();
    }
    co_return true;
}

QByteArray X11SelectionReader::readProperty(quint32 property, quint32 *type, int *format)
{
    xcb_connection_t *c = m_connection.connection();
    // Deleting while reading tells an incremental sender to go on.
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, true, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4), nullptr);
    QByteArray data;
    *type = XCB_NONE;
    *format = 8;
    if (reply) {
        *type = reply->type;
        *format = reply->format;
        data = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
        std::free(reply);
    }
    return data;
}

QCoro::Task<std::optional<QList<quint32>>> X11SelectionReader::targets(Clock::time_point deadline)
{
    const Result result = co_await convert(m_connection.atom("TARGETS"), deadline);
    if (result.status != Status::ok || result.format != 32)
        co_return std::nullopt;
    QList<quint32> atoms(result.data.size() / 4);
    if (!atoms.isEmpty())
        std::memcpy(atoms.data(), result.data.constData(), size_t(atoms.size()) * 4);
    co_return atoms;
}

std::shared_ptr<X11SelectionReader::Transfer> X11SelectionReader::startTransfer(quint32 target)
{
    auto transfer = std::make_shared<Transfer>();
    transfer->target = target;
    transfer->property = m_connection.atom("_RINGLE_SELECTION_" + QByteArray::number(m_nextProperty++ % propertyPoolSize));
    m_transfers.insert(transfer->property, transfer);
    xcb_connection_t *c = m_connection.connection();
    xcb_delete_property(c, m_window, transfer->property);
    xcb_convert_selection(c, m_window, m_selection, target, transfer->property, XCB_CURRENT_TIME);
    m_connection.flush();
    return transfer;
}

// Forgets the transfer when the task that started it ends, however it ends.
struct X11SelectionReader::Unregister {
    QHash<quint32, std::shared_ptr<Transfer>> &transfers;
    std::shared_ptr<Transfer> transfer;
    ~Unregister()
    {
        if (transfers.value(transfer->property) == transfer)
            transfers.remove(transfer->property);
    }
};

QCoro::Task<X11SelectionReader::Status> X11SelectionReader::request(quint32 target, Clock::time_point deadline)
{
    const Unregister unregister{m_transfers, startTransfer(target)};
    if (!co_await waitUntil(unregister.transfer, &Transfer::notified, deadline))
        co_return Status::timedOut;
    xcb_delete_property(m_connection.connection(), m_window, unregister.transfer->property);
    m_connection.flush();
    co_return unregister.transfer->refused ? Status::refused : Status::ok;
}

QCoro::Task<X11SelectionReader::Result> X11SelectionReader::convert(quint32 target, Clock::time_point deadline)
{
    const Unregister unregister{m_transfers, startTransfer(target)};
    const std::shared_ptr<Transfer> &transfer = unregister.transfer;

    Result result;
    const auto answerBy = [&] { return std::min(deadline, Clock::now() + answerTimeout); };
    if (!co_await waitUntil(transfer, &Transfer::notified, answerBy())) {
        qCDebug(lcReader) << "no answer for target" << m_connection.atomName(target);
        result.status = Status::timedOut;
        co_return result;
    }
    if (transfer->refused)
        co_return result;

    quint32 type = XCB_NONE;
    int format = 8;
    QByteArray data = readProperty(transfer->property, &type, &format);
    if (type == m_connection.atom("INCR")) {
        // The owner sends the data in pieces; each piece is acknowledged by deleting it, and an
        // empty piece ends the transfer.
        transfer->incremental = true;
        data.clear();
        for (;;) {
            if (!co_await waitUntil(transfer, &Transfer::chunkReady, answerBy())) {
                qCDebug(lcReader) << "incremental transfer stalled for" << m_connection.atomName(target);
                result.status = Status::timedOut;
                co_return result;
            }
            transfer->chunkReady = false;
            const QByteArray chunk = readProperty(transfer->property, &type, &format);
            if (chunk.isEmpty())
                break;
            data += chunk;
        }
    } else if (type == XCB_NONE) {
        co_return result; // the owner named a property but left it empty of any type
    }
    result.status = Status::ok;
    result.data = std::move(data);
    result.format = format;
    result.type = type;
    co_return result;
}
