#include "platform/x11/x11clipboard.h"

#include "platform/linux/clipboardtargets.h"
#include "platform/x11/x11connection.h"
#include "platform/x11/x11selectionowner.h"
#include "platform/x11/x11selectionreader.h"
#include "platform/x11/x11selectionwatch.h"

#include <QLoggingCategory>

#include <xcb/xcb.h>

namespace {
Q_LOGGING_CATEGORY(lcClipboard, "ringle.x11.clipboard")

using Clock = std::chrono::steady_clock;
} // namespace

X11Clipboard::X11Clipboard(X11Connection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_reader(std::make_unique<X11SelectionReader>(connection, QByteArrayLiteral("CLIPBOARD")))
    , m_owner(std::make_unique<X11SelectionOwner>(connection, QByteArrayLiteral("CLIPBOARD")))
    , m_ownerChanges(std::make_unique<X11SelectionWatch>(connection, QByteArrayLiteral("CLIPBOARD"),
                                                         [this] { ++m_changeCount; }))
{
    if (!m_ownerChanges->isActive())
        qCWarning(lcClipboard) << "the X server has no XFixes; changes of the clipboard cannot be seen";
}

X11Clipboard::~X11Clipboard() = default;

qint64 X11Clipboard::changeCount()
{
    // The round trip makes every owner change the server has made so far visible here,
    // including the ones this process just made.
    m_connection.sync();
    return m_changeCount;
}

QCoro::Task<QList<ClipboardItem>> X11Clipboard::readItems()
{
    // Content this process serves itself needs no trip through the server.
    if (m_owner->owns())
        co_return m_owner->targets().isEmpty() ? QList<ClipboardItem>{} : QList<ClipboardItem>{m_owner->targets()};
    if (!m_reader->hasOwner())
        co_return QList<ClipboardItem>{};
    const auto deadline = Clock::now() + snapshotBudget;
    const std::optional<QList<quint32>> atoms = co_await m_reader->targets(deadline);
    if (!atoms) {
        qCWarning(lcClipboard) << "the clipboard's owner did not list its formats";
        co_return QList<ClipboardItem>{};
    }
    QStringList offered;
    QHash<QString, quint32> atomOf;
    for (quint32 a : *atoms) {
        const QString name = QString::fromLatin1(m_connection.atomName(a));
        offered.append(name);
        atomOf.insert(name, a);
    }
    ClipboardItem item;
    for (const QString &target : ClipboardTargets::targetsToRead(offered)) {
        const X11SelectionReader::Result r = co_await m_reader->convert(atomOf.value(target), deadline);
        if (r.status == X11SelectionReader::Status::timedOut) {
            // An owner that stopped answering would make every further format wait as long.
            qCWarning(lcClipboard) << "the clipboard's owner stopped answering at" << target;
            break;
        }
        if (r.status == X11SelectionReader::Status::ok && r.format == 8 && ClipboardTargets::keepDelivered(target, r.data))
            item.append({target, r.data});
    }
    if (item.isEmpty())
        co_return QList<ClipboardItem>{};
    co_return QList<ClipboardItem>{item};
}

void X11Clipboard::writeItems(const QList<ClipboardItem> &items)
{
    if (items.isEmpty()) {
        m_owner->clear();
        return;
    }
    // The selection holds one item; further items add the targets the first one lacks.
    ClipboardItem merged;
    for (const ClipboardItem &item : items) {
        for (const ClipboardFormat &f : item) {
            const bool known = std::any_of(merged.cbegin(), merged.cend(), [&](const ClipboardFormat &m) { return m.type == f.type; });
            if (!known)
                merged.append(f);
        }
    }
    m_owner->own(std::move(merged));
}

void X11Clipboard::writeText(const QString &text, bool transient)
{
    const QByteArray utf8 = text.toUtf8();
    ClipboardItem item{{u"UTF8_STRING"_qs, utf8}, {u"text/plain;charset=utf-8"_qs, utf8}, {u"text/plain"_qs, utf8},
                       {u"STRING"_qs, text.toLatin1()}};
    if (transient) {
        item.append({transientType, QByteArray()});
        item.append({passwordHintType, QByteArrayLiteral("secret")});
    }
    m_owner->own(std::move(item));
}

QCoro::Task<std::optional<QString>> X11Clipboard::readText()
{
    if (!m_reader->hasOwner())
        co_return std::nullopt;
    const auto deadline = Clock::now() + textBudget;
    for (const QString &target : ClipboardTargets::textTargets()) {
        const X11SelectionReader::Result r = co_await m_reader->convert(m_connection.atom(target.toLatin1()), deadline);
        if (r.status == X11SelectionReader::Status::timedOut)
            break;
        if (r.status == X11SelectionReader::Status::ok && r.format == 8)
            co_return ClipboardTargets::decodeText(QString::fromLatin1(m_connection.atomName(r.type)), r.data);
    }
    co_return std::nullopt;
}

QCoro::Task<X11Clipboard::HandOver> X11Clipboard::handOverToManager()
{
    if (!m_owner->owns() || m_owner->targets().isEmpty())
        co_return HandOver::notOurs;
    if (!m_manager)
        m_manager = std::make_unique<X11SelectionReader>(m_connection, QByteArrayLiteral("CLIPBOARD_MANAGER"));
    if (!m_manager->hasOwner()) {
        qCWarning(lcClipboard) << "no clipboard manager is running: what Ringle put back on the clipboard goes with it";
        co_return HandOver::noManager;
    }
    const auto started = Clock::now();
    const X11SelectionReader::Status status =
        co_await m_manager->request(m_connection.atom("SAVE_TARGETS"), started + handOverBudget);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    switch (status) {
    case X11SelectionReader::Status::ok:
        qCInfo(lcClipboard) << "the clipboard manager took the clipboard's content in" << ms << "ms";
        co_return HandOver::saved;
    case X11SelectionReader::Status::refused:
        qCWarning(lcClipboard) << "the clipboard manager refused to keep the clipboard's content";
        co_return HandOver::refused;
    case X11SelectionReader::Status::timedOut:
        break;
    }
    qCWarning(lcClipboard) << "the clipboard manager did not take the clipboard's content within" << ms << "ms";
    co_return HandOver::timedOut;
}
