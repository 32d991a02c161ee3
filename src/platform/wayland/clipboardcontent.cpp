#include "platform/wayland/clipboardcontent.h"

#include "platform/linux/clipboardtargets.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cstring>

namespace {
Q_LOGGING_CATEGORY(lcClipboardContent, "ringle.wayland.clipboard")

using Clock = std::chrono::steady_clock;
using PipeTransfer::ReadStatus;
} // namespace

namespace ClipboardContent {
const ClipboardFormat *find(const ClipboardItem &item, const QString &type)
{
    const auto it = std::find_if(item.cbegin(), item.cend(), [&](const ClipboardFormat &f) { return f.type == type; });
    return it == item.cend() ? nullptr : &*it;
}

std::optional<QString> textOf(const ClipboardItem &item)
{
    for (const QString &type : ClipboardTargets::textTargets()) {
        if (const ClipboardFormat *f = find(item, type))
            return ClipboardTargets::decodeText(type, f->data);
    }
    return std::nullopt;
}

ClipboardItem merged(const QList<ClipboardItem> &items)
{
    ClipboardItem result;
    for (const ClipboardItem &item : items) {
        for (const ClipboardFormat &f : item) {
            if (!f.type.isEmpty() && !find(result, f.type))
                result.append(f);
        }
    }
    const ClipboardFormat *utf8 = find(result, u"UTF8_STRING"_qs);
    if (utf8 && !find(result, u"TEXT"_qs))
        result.append({u"TEXT"_qs, utf8->data});
    return result;
}

ClipboardItem textItem(const QString &text, bool transient)
{
    const QByteArray utf8 = text.toUtf8();
    ClipboardItem item{{u"text/plain;charset=utf-8"_qs, utf8}, {u"text/plain"_qs, utf8}, {u"UTF8_STRING"_qs, utf8},
                       {u"STRING"_qs, text.toLatin1()},          {u"TEXT"_qs, utf8}};
    if (transient) {
        item.append({transientType, QByteArray()});
        item.append({passwordHintType, QByteArrayLiteral("secret")});
    }
    return item;
}

QCoro::Task<ClipboardItem> readSnapshot(QStringList offered, Selection selection)
{
    const auto deadline = Clock::now() + snapshotBudget;
    ClipboardItem item;
    qsizetype total = 0;
    for (const QString &type : ClipboardTargets::targetsToRead(offered.mid(0, maxTypes))) {
        const qsizetype room = std::min(maxTypeSize, maxSnapshotSize - total);
        const PipeTransfer::ReadLimits limits{typeTimeout, deadline, room};
        const std::optional<PipeTransfer::ReadResult> r = co_await selection.read(type, limits);
        if (!r)
            co_return ClipboardItem{};
        if (r->status == ReadStatus::timedOut) {
            // An owner that stopped answering would make every further type wait as long.
            if (Clock::now() >= deadline)
                qCWarning(lcClipboardContent) << "reading the clipboard took too long; stopped at" << type;
            else
                qCWarning(lcClipboardContent) << "the clipboard's owner stopped answering at" << type;
            break;
        }
        if (r->status == ReadStatus::tooLarge) {
            if (room < maxTypeSize) {
                qCWarning(lcClipboardContent) << "the clipboard holds more than" << maxSnapshotSize << "bytes; stopped at" << type;
                break;
            }
            qCWarning(lcClipboardContent) << "left out" << type << "of the clipboard: larger than" << maxTypeSize << "bytes";
            continue;
        }
        if (r->status == ReadStatus::failed) {
            qCWarning(lcClipboardContent) << "could not read" << type << "of the clipboard:" << std::strerror(r->error);
            continue;
        }
        // An owner that went away, or content replaced meanwhile, also ends the pipe: what came
        // last may be cut short.
        if (!co_await selection.stillCurrent()) {
            qCWarning(lcClipboardContent) << "the clipboard changed while it was read; stopped at" << type;
            break;
        }
        if (ClipboardTargets::keepDelivered(type, r->data)) {
            total += r->data.size();
            item.append({type, r->data});
        }
    }
    co_return item;
}

QCoro::Task<std::optional<QString>> readText(QStringList offered, Selection selection)
{
    const QStringList readable = ClipboardTargets::targetsToRead(offered.mid(0, maxTypes));
    const auto deadline = Clock::now() + textBudget;
    for (const QString &type : ClipboardTargets::textTargets()) {
        if (!readable.contains(type))
            continue;
        const PipeTransfer::ReadLimits limits{typeTimeout, deadline, maxTypeSize};
        const std::optional<PipeTransfer::ReadResult> r = co_await selection.read(type, limits);
        if (!r || r->status == ReadStatus::timedOut)
            break;
        if (r->status != ReadStatus::complete)
            continue;
        if (!co_await selection.stillCurrent())
            break;
        co_return ClipboardTargets::decodeText(type, r->data);
    }
    co_return std::nullopt;
}
} // namespace ClipboardContent
