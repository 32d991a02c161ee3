#include "platform/wayland/mutterclipboard.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusUnixFileDescriptor>
#include <QLoggingCategory>
#include <QCoroTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {
Q_LOGGING_CATEGORY(lcMutterClipboard, "ringle.wayland.clipboard")

using Clock = std::chrono::steady_clock;
using ClipboardContent::find;

const QString mimeTypesKey = QStringLiteral("mime-types");
const QString selectionReadMethod = QStringLiteral("SelectionRead");

PipeTransfer::ReadResult failed(int error)
{
    PipeTransfer::ReadResult r;
    r.error = error;
    return r;
}

// What Mutter answers a read while it still counts an earlier read of the session as running.
bool isParallelReadRefusal(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == QDBusError::errorString(QDBusError::LimitsExceeded);
}

std::chrono::milliseconds until(Clock::time_point deadline)
{
    return std::max(std::chrono::milliseconds(1), std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()));
}
} // namespace

MutterClipboard::MutterClipboard(MutterRemoteDesktop &session, QObject *parent)
    : QObject(parent)
    , m_remote(session)
{
    connect(&m_remote, &MutterRemoteDesktop::stateChanged, this, &MutterClipboard::sessionChanged);
    connect(&m_remote, &MutterRemoteDesktop::selectionOwnerChanged, this, &MutterClipboard::ownerChanged);
    connect(&m_remote, &MutterRemoteDesktop::selectionTransfer, this,
            [this](const QString &type, quint32 serial) { serve(type, serial); });
    if (m_remote.isRunning())
        enable();
    else
        m_remote.start();
}

MutterClipboard::~MutterClipboard()
{
    // As if this process had quit: Mutter's keeper may offer the text it kept.
    if (m_access == Access::on)
        m_remote.call(u"DisableClipboard"_qs);
    for (QTimer *waiting : std::as_const(m_waitingReads))
        waiting->start(0);
}

QString MutterClipboard::whyNotReady() const
{
    if (!m_remote.isRunning())
        return m_remote.whyNotReady();
    return m_access == Access::on ? QString() : u"GNOME Shell has not given the clipboard to the session yet"_qs;
}

qint64 MutterClipboard::changeCount()
{
    // Mutter tells of a selection of ours before it answers the call that set it.
    if (m_unansweredWrites > 0 && !m_remote.catchUp(ClipboardContent::catchUpTimeout))
        qCWarning(lcMutterClipboard) << "GNOME Shell did not tell the current clipboard in time";
    else
        QCoreApplication::sendPostedEvents(&m_remote, QEvent::MetaCall);
    return m_changeCount;
}

QCoro::Task<QList<ClipboardItem>> MutterClipboard::readItems()
{
    const QPointer<MutterClipboard> alive(this);
    if (!co_await settled() || !alive)
        co_return QList<ClipboardItem>{};
    // Mutter does not let a session read its own selection, and need not.
    if (m_owned)
        co_return m_content.isEmpty() ? QList<ClipboardItem>{} : QList<ClipboardItem>{m_content};
    if (m_offered.isEmpty())
        co_return QList<ClipboardItem>{};
    const ClipboardItem item = co_await ClipboardContent::readSnapshot(m_offered, currentSelection());
    if (item.isEmpty())
        co_return QList<ClipboardItem>{};
    co_return QList<ClipboardItem>{item};
}

QCoro::Task<std::optional<QString>> MutterClipboard::readText()
{
    const QPointer<MutterClipboard> alive(this);
    if (!co_await settled() || !alive)
        co_return std::nullopt;
    if (m_owned)
        co_return ClipboardContent::textOf(m_content);
    co_return co_await ClipboardContent::readText(m_offered, currentSelection());
}

void MutterClipboard::writeItems(const QList<ClipboardItem> &items)
{
    ClipboardItem content = ClipboardContent::merged(items);
    if (content.isEmpty())
        empty();
    else
        own(std::move(content));
}

void MutterClipboard::writeText(const QString &text, bool transient)
{
    own(ClipboardContent::textItem(text, transient));
}

void MutterClipboard::own(ClipboardItem content)
{
    if (m_access != Access::on) {
        // Offered once the session has the clipboard; the latest content wins.
        qCInfo(lcMutterClipboard).noquote() << "the clipboard is set once it can be:" << whyNotReady();
        m_pending = std::move(content);
        m_remote.start();
        return;
    }
    QStringList types;
    for (const ClipboardFormat &f : content)
        types.append(f.type);
    m_content = std::move(content);
    setSelection({{mimeTypesKey, types}});
}

void MutterClipboard::empty()
{
    m_content.clear();
    if (m_access != Access::on) {
        m_pending = ClipboardItem{};
        m_remote.start();
        return;
    }
    // Owning a type no keeper keeps clears what Mutter's keeper holds; letting go of it then
    // leaves no owner at all.
    setSelection({{mimeTypesKey, QStringList{emptyingType}}});
    setSelection({});
}

void MutterClipboard::setSelection(const QVariantMap &options)
{
    ++m_unansweredWrites;
    auto *watcher = new QDBusPendingCallWatcher(m_remote.call(u"SetSelection"_qs, {options}), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        --m_unansweredWrites;
        if (watcher->isError())
            qCWarning(lcMutterClipboard) << "GNOME Shell did not take the clipboard:" << watcher->error().message();
    });
}

void MutterClipboard::ownerChanged(const QVariantMap &options)
{
    qCDebug(lcMutterClipboard) << "owner changed" << options;
    ++m_changeCount;
    m_owned = options.value(u"session-is-owner"_qs).toBool();
    m_offered = MutterRemoteDesktop::mimeTypes(options).mid(0, ClipboardContent::maxTypes);
    // While a write of ours is unanswered, a change Mutter made before it may still come in.
    if (!m_owned && m_unansweredWrites == 0)
        m_content.clear();
    announceChange();
}

QCoro::Task<void> MutterClipboard::serve(QString type, quint32 serial)
{
    const QPointer<MutterClipboard> alive(this);
    const ClipboardFormat *format = find(m_content, type);
    const bool served = format && m_transfers < ClipboardContent::maxTransfers;
    if (format && !served)
        qCWarning(lcMutterClipboard) << "too many readers of the clipboard at once; one goes unanswered";
    const QByteArray data = served ? format->data : QByteArray();
    ++m_transfers;
    const QDBusPendingCall write = m_remote.call(u"SelectionWrite"_qs, {serial});
    const QDBusMessage reply = co_await MutterRemoteDesktop::answer(write);
    if (!alive)
        co_return;
    const int fd = reply.signature() == u"h" ? ::fcntl(reply.arguments().constFirst().value<QDBusUnixFileDescriptor>().fileDescriptor(),
                                                     F_DUPFD_CLOEXEC, 0)
                                             : -1;
    if (fd < 0) {
        --m_transfers;
        qCDebug(lcMutterClipboard) << "no pipe for a reader of" << type << reply.errorMessage();
        co_return;
    }
    // Closed at once, the reader gets nothing rather than waiting for Mutter to give up.
    auto *writer = new PipeWriter(fd, served ? data : QByteArray(), this);
    connect(writer, &PipeWriter::finished, this, [this, type, serial, served](bool complete) {
        --m_transfers;
        if (!complete)
            qCDebug(lcMutterClipboard) << "a reader of" << type << "went away or stalled before the end";
        m_remote.call(u"SelectionWriteDone"_qs, {serial, complete && served});
    });
}

void MutterClipboard::sessionChanged()
{
    if (m_remote.isRunning()) {
        if (m_access == Access::off)
            enable();
        return;
    }
    if (m_access != Access::off)
        forget();
}

QCoro::Task<void> MutterClipboard::enable()
{
    const QPointer<MutterClipboard> alive(this);
    m_access = Access::enabling;
    Q_EMIT accessChanged();
    const QDBusPendingCall call = m_remote.call(u"EnableClipboard"_qs, {QVariantMap()});
    const QDBusMessage reply = co_await MutterRemoteDesktop::answer(call);
    if (!alive || m_access != Access::enabling)
        co_return;
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qCWarning(lcMutterClipboard) << "GNOME Shell did not give the clipboard to the session:" << reply.errorMessage();
        m_access = Access::off;
        Q_EMIT accessChanged();
        co_return;
    }
    qCInfo(lcMutterClipboard) << "clipboard through GNOME Shell's remote desktop session";
    m_access = Access::on;
    if (std::optional<ClipboardItem> pending = std::exchange(m_pending, std::nullopt)) {
        if (pending->isEmpty())
            empty();
        else
            own(std::move(*pending));
    }
    Q_EMIT accessChanged();
}

QCoro::Task<bool> MutterClipboard::whenReady()
{
    const QPointer<MutterClipboard> alive(this);
    if (m_access == Access::on)
        co_return true;
    m_remote.start();
    const auto deadline = Clock::now() + MutterRemoteDesktop::startBound + MutterRemoteDesktop::callBound;
    QTimer wake;
    wake.setSingleShot(true);
    connect(this, &MutterClipboard::accessChanged, &wake, [&wake] { wake.start(0); });
    connect(&m_remote, &MutterRemoteDesktop::stateChanged, &wake, [&wake] { wake.start(0); });
    while (alive && m_access != Access::on && Clock::now() < deadline) {
        const bool failed = m_access == Access::off && (m_remote.state() == MutterRemoteDesktop::State::failed
                                                        || m_remote.state() == MutterRemoteDesktop::State::ended);
        if (failed)
            break;
        wake.start(until(deadline));
        co_await wake;
    }
    if (alive && m_access != Access::on)
        qCWarning(lcMutterClipboard).noquote() << "the clipboard cannot be read:" << whyNotReady();
    co_return alive && m_access == Access::on;
}

QCoro::Task<bool> MutterClipboard::settled()
{
    const QPointer<MutterClipboard> alive(this);
    const bool ready = co_await whenReady();
    if (!ready || !alive)
        co_return false;
    // What Mutter said before the answer is in, writes of ours among it.
    const bool caughtUp = co_await m_remote.settle();
    co_return caughtUp && alive;
}

void MutterClipboard::forget()
{
    qCWarning(lcMutterClipboard).noquote() << m_remote.whyNotReady() << "- the clipboard goes with the session until it is used again";
    m_access = Access::off;
    m_owned = false;
    m_offered.clear();
    m_content.clear();
    m_unansweredWrites = 0;
    // Whatever was there is gone for this process.
    ++m_changeCount;
    announceChange();
    Q_EMIT accessChanged();
}

void MutterClipboard::announceChange()
{
    // From the loop: changeCount() hands signals over in the middle of its caller's work.
    QMetaObject::invokeMethod(this, &MutterClipboard::selectionChanged, Qt::QueuedConnection);
}

ClipboardContent::Selection MutterClipboard::currentSelection()
{
    const QPointer<MutterClipboard> self(this);
    return {.read = [self](QString type, PipeTransfer::ReadLimits limits) { return receive(self, std::move(type), limits); },
            .stillCurrent = [self, count = m_changeCount] { return stillCurrent(self, count); }};
}

QCoro::Task<std::optional<PipeTransfer::ReadResult>> MutterClipboard::receive(QPointer<MutterClipboard> self, QString type,
                                                                              PipeTransfer::ReadLimits limits)
{
    const auto deadline = std::min(limits.deadline, Clock::now() + limits.idleTimeout);
    while (self && self->m_reading && Clock::now() < deadline) {
        QTimer turn;
        turn.setSingleShot(true);
        self->m_waitingReads.append(&turn);
        turn.start(until(deadline));
        co_await turn;
        if (self)
            self->m_waitingReads.removeOne(&turn);
    }
    if (!self)
        co_return std::nullopt;
    if (self->m_reading)
        co_return PipeTransfer::ReadResult{PipeTransfer::ReadStatus::timedOut, {}, 0};
    self->m_reading = true;
    const QDBusMessage reply = co_await requestRead(self, type, std::min(limits.deadline, Clock::now() + limits.idleTimeout));
    const int fd = self && reply.signature() == u"h"
        ? ::fcntl(reply.arguments().constFirst().value<QDBusUnixFileDescriptor>().fileDescriptor(), F_DUPFD_CLOEXEC, 0)
        : -1;
    PipeTransfer::ReadResult result;
    if (fd >= 0) {
        result = co_await PipeTransfer::readToEnd(fd, limits);
    } else if (isParallelReadRefusal(reply)) {
        // Mutter still waits for the owner to answer an earlier read: it has stopped answering.
        result = PipeTransfer::ReadResult{PipeTransfer::ReadStatus::timedOut, {}, 0};
    } else {
        if (self)
            qCInfo(lcMutterClipboard) << "GNOME Shell gave no pipe for" << type << reply.errorMessage();
        result = failed(EIO);
    }
    if (!self)
        co_return std::nullopt;
    self->m_reading = false;
    if (!self->m_waitingReads.isEmpty())
        self->m_waitingReads.constFirst()->start(0);
    co_return result;
}

QCoro::Task<QDBusMessage> MutterClipboard::requestRead(QPointer<MutterClipboard> self, QString type, Clock::time_point deadline)
{
    // Mutter lets go of a read a moment after its pipe has ended (and some versions of one given
    // up on only once the owner answers it), refusing the next meanwhile: that type would be lost.
    auto pause = std::chrono::milliseconds(2);
    for (;;) {
        const QDBusPendingCall read = self->m_remote.call(selectionReadMethod, {type});
        const QDBusMessage reply = co_await MutterRemoteDesktop::answer(read);
        if (!self || !isParallelReadRefusal(reply) || Clock::now() + pause >= deadline)
            co_return reply;
        QTimer wait;
        wait.setSingleShot(true);
        wait.start(pause);
        co_await wait;
        if (!self)
            co_return reply;
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

QCoro::Task<bool> MutterClipboard::stillCurrent(QPointer<MutterClipboard> self, qint64 changeCount)
{
    if (!self)
        co_return false;
    const bool caughtUp = co_await self->m_remote.settle();
    co_return caughtUp && self && self->m_changeCount == changeCount;
}
