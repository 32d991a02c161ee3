#include "platform/wayland/datacontrolclipboard.h"

#include "platform/linux/clipboardtargets.h"
#include "platform/wayland/datacontroldevice.h"
#include "platform/wayland/pipetransfer.h"
#include "platform/wayland/queuesync.h"
#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandseat.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QCoroTimer>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {
Q_LOGGING_CATEGORY(lcClipboard, "ringle.wayland.clipboard")

using Clock = std::chrono::steady_clock;

qint64 millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A name that does not survive the trip through QString could not be offered again as it was.
QStringList typesToRead(const QList<QByteArray> &offered)
{
    QStringList names;
    for (const QByteArray &type : offered) {
        const QString name = QString::fromUtf8(type);
        if (name.toUtf8() == type)
            names.append(name);
    }
    return ClipboardTargets::targetsToRead(names);
}

QCoro::Task<PipeTransfer::ReadResult> receive(WaylandConnection &connection, std::shared_ptr<DataControlOffer> offer,
                                               QString type, PipeTransfer::ReadLimits limits)
{
    int fds[2];
    // Only the reading end is made non-blocking: the owner gets an ordinary pipe.
    if (::pipe2(fds, O_CLOEXEC) < 0) {
        PipeTransfer::ReadResult failed;
        failed.error = errno;
        co_return failed;
    }
    // A larger pipe takes big types in fewer turns of the loop; the system may refuse.
    ::fcntl(fds[0], F_SETPIPE_SZ, 1024 * 1024);
    offer->receive(type.toUtf8(), fds[1]);
    // The request carries a copy; ours must go, or the end of the data never shows.
    ::close(fds[1]);
    connection.flush();
    co_return co_await PipeTransfer::readToEnd(fds[0], limits);
}

QCoro::Task<std::optional<PipeTransfer::ReadResult>> receiveWhileAlive(QPointer<QObject> alive, WaylandConnection &connection,
                                                                        std::shared_ptr<DataControlOffer> offer, QString type,
                                                                        PipeTransfer::ReadLimits limits)
{
    if (!alive)
        co_return std::nullopt;
    PipeTransfer::ReadResult r = co_await receive(connection, std::move(offer), std::move(type), limits);
    if (!alive)
        co_return std::nullopt;
    co_return r;
}
} // namespace

using ClipboardContent::find;
using ClipboardContent::merged;
using ClipboardContent::textOf;

bool DataControlClipboard::isOffered(const WaylandConnection &connection)
{
    return DataControlDevice::isOffered(connection);
}

DataControlClipboard::DataControlClipboard(WaylandConnection &connection, WaylandSeat &seat, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_queue(connection.createQueue())
    , m_sync(std::make_unique<QueueSync>(connection, m_queue))
{
    m_device = DataControlDevice::create(
        connection, seat.seat(), m_queue,
        {.selection = [this](std::shared_ptr<DataControlOffer> offer) { selectionArrived(std::move(offer)); },
         .finished = [this] { forgetDevice(u"the compositor ended the clipboard device"_qs); }});
    if (!m_device) {
        qCWarning(lcClipboard) << "the compositor offers no data-control: the clipboard cannot be used";
        return;
    }
    qCInfo(lcClipboard) << "clipboard over" << m_device->protocolName();
    connect(&connection, &WaylandConnection::lost, this, [this] { forgetDevice(u"the compositor went away"_qs); });
    // The current selection comes right after binding.
    if (!m_connection.roundtrip(catchUpTimeout, m_queue))
        qCWarning(lcClipboard) << "the compositor did not tell the current clipboard in time";
}

DataControlClipboard::~DataControlClipboard()
{
    // Proxies before the queue they are on; reads under way find their offers inert.
    m_sync.reset();
    m_source.reset();
    m_selection.reset();
    m_device.reset();
    m_connection.flush();
    m_connection.destroyQueue(m_queue);
}

qint64 DataControlClipboard::changeCount()
{
    // Only this queue's events run meanwhile, so the caller sees no other handler in between.
    if (m_device)
        m_connection.roundtrip(catchUpTimeout, m_queue);
    return m_changeCount;
}

QCoro::Task<QList<ClipboardItem>> DataControlClipboard::readItems()
{
    // Each wait may outlast this object; nothing of it is touched then.
    const QPointer<DataControlClipboard> alive(this);
    co_await catchUp();
    if (!alive)
        co_return QList<ClipboardItem>{};
    // Content this process serves itself needs no trip through a pipe.
    if (m_source)
        co_return m_content.isEmpty() ? QList<ClipboardItem>{} : QList<ClipboardItem>{m_content};
    const std::shared_ptr<DataControlOffer> offer = m_selection;
    if (!offer)
        co_return QList<ClipboardItem>{};
    const ClipboardItem item = co_await ClipboardContent::readSnapshot(typesToRead(offer->types()), selectionOf(offer));
    if (item.isEmpty())
        co_return QList<ClipboardItem>{};
    co_return QList<ClipboardItem>{item};
}

void DataControlClipboard::writeItems(const QList<ClipboardItem> &items)
{
    ClipboardItem content = merged(items);
    if (!content.isEmpty())
        return own(std::move(content));
    // Empty, whoever owns it now.
    if (m_device)
        m_device->setSelection(nullptr);
    m_source.reset();
    m_content.clear();
    m_connection.flush();
}

void DataControlClipboard::writeText(const QString &text, bool transient)
{
    ClipboardItem item = ClipboardContent::textItem(text, transient);
    own(std::move(item));
}

QCoro::Task<std::optional<QString>> DataControlClipboard::readText()
{
    const QPointer<DataControlClipboard> alive(this);
    co_await catchUp();
    if (!alive)
        co_return std::nullopt;
    if (m_source)
        co_return textOf(m_content);
    const std::shared_ptr<DataControlOffer> offer = m_selection;
    if (!offer)
        co_return std::nullopt;
    co_return co_await ClipboardContent::readText(typesToRead(offer->types()), selectionOf(offer));
}

QCoro::Task<DataControlClipboard::HandOver> DataControlClipboard::handOverAtQuit()
{
    const QPointer<DataControlClipboard> alive(this);
    co_await catchUp();
    if (!alive || !m_source || m_content.isEmpty())
        co_return HandOver::notOurs;
    const auto started = Clock::now();
    // A holder can only offer again what it read while this process still served it.
    const bool read = m_requested > 0;
    // Giving up the source empties the selection, which is what a holder waits for. Setting an
    // empty selection instead could wipe out a holder that was quicker.
    m_source.reset();
    m_content.clear();
    m_connection.flush();
    const qint64 changesBefore = m_changeCount;
    const auto deadline = started + handOverBudget;
    while (read && Clock::now() < deadline) {
        QTimer wake;
        wake.setSingleShot(true);
        connect(this, &DataControlClipboard::selectionChanged, &wake, [&wake] { wake.start(0); });
        wake.start(std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()));
        co_await wake;
        if (!alive)
            co_return HandOver::gone;
        if (m_changeCount > changesBefore && m_selection && !m_selection->types().isEmpty()) {
            qCInfo(lcClipboard) << "a clipboard holder kept the clipboard's content; it took" << millisecondsSince(started) << "ms";
            co_return HandOver::kept;
        }
    }
    const QString what = read ? u"no clipboard manager offered the clipboard's content again within %1 ms"_qs.arg(handOverBudget.count())
                              : u"no clipboard manager read the clipboard's content"_qs;
    qCWarning(lcClipboard).noquote() << what + u": what Ringle put back on the clipboard goes with it"_qs;
    co_return HandOver::gone;
}

void DataControlClipboard::own(ClipboardItem content)
{
    if (!m_device) {
        qCWarning(lcClipboard) << "the clipboard cannot be set: no clipboard device";
        return;
    }
    QList<QByteArray> types;
    for (const ClipboardFormat &f : content)
        types.append(f.type.toUtf8());
    std::unique_ptr<DataControlSource> source = m_device->createSource(
        types, {.send = [this](const QByteArray &type, int fd) { serve(type, fd); },
                .cancelled =
                    [this] {
                        m_source.reset();
                        m_content.clear();
                    }});
    m_device->setSelection(source.get());
    // The one it replaces is cancelled by this anyway.
    m_source = std::move(source);
    m_content = std::move(content);
    m_requested = 0;
    m_connection.flush();
}

void DataControlClipboard::serve(const QByteArray &type, int fd)
{
    const ClipboardFormat *format = m_source ? find(m_content, QString::fromUtf8(type)) : nullptr;
    if (!format || m_transfers >= maxTransfers) {
        if (format)
            qCWarning(lcClipboard) << "too many readers of the clipboard at once; one goes unanswered";
        ::close(fd);
        return;
    }
    ++m_requested;
    ++m_transfers;
    auto *writer = new PipeWriter(fd, format->data, this);
    connect(writer, &PipeWriter::finished, this, [this, type](bool complete) {
        --m_transfers;
        if (!complete)
            qCDebug(lcClipboard) << "a reader of" << type << "went away or stalled before the end";
    });
}

void DataControlClipboard::selectionArrived(std::shared_ptr<DataControlOffer> offer)
{
    ++m_changeCount;
    m_selection = std::move(offer);
    announceChange();
}

void DataControlClipboard::announceChange()
{
    // From the loop: changeCount() handles events in the middle of its caller's work.
    QMetaObject::invokeMethod(this, &DataControlClipboard::selectionChanged, Qt::QueuedConnection);
}

void DataControlClipboard::forgetDevice(const QString &reason)
{
    if (!m_device)
        return;
    qCWarning(lcClipboard).noquote() << reason << "- the clipboard can no longer be used";
    m_source.reset();
    m_content.clear();
    m_selection.reset();
    m_device.reset();
    // Whatever was there is gone for this process.
    ++m_changeCount;
    announceChange();
}

QCoro::Task<bool> DataControlClipboard::catchUp()
{
    return m_sync->wait(catchUpTimeout);
}

QCoro::Task<bool> DataControlClipboard::stillSelected(std::shared_ptr<DataControlOffer> offer)
{
    const QPointer<DataControlClipboard> alive(this);
    const bool caughtUp = co_await catchUp();
    co_return caughtUp && alive && m_selection == offer;
}

ClipboardContent::Selection DataControlClipboard::selectionOf(std::shared_ptr<DataControlOffer> offer)
{
    // The reads may outlast this object: they check it is still there before touching it.
    const QPointer<QObject> alive(this);
    return {.read = [alive, &connection = m_connection, offer](QString type, PipeTransfer::ReadLimits limits) {
                return receiveWhileAlive(alive, connection, offer, std::move(type), limits);
            },
            .stillCurrent = [alive = QPointer<DataControlClipboard>(this), offer] { return stillSelectedIfAlive(alive, offer); }};
}

QCoro::Task<bool> DataControlClipboard::stillSelectedIfAlive(QPointer<DataControlClipboard> alive,
                                                             std::shared_ptr<DataControlOffer> offer)
{
    if (!alive)
        co_return false;
    co_return co_await alive->stillSelected(std::move(offer));
}
