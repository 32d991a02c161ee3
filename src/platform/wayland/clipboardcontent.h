#pragma once

#include "platform/clipboard.h"
#include "platform/wayland/pipetransfer.h"

#include <QStringList>
#include <QCoroTask>
#include <chrono>
#include <functional>
#include <optional>

// What every Wayland road to the clipboard (data-control, Mutter's remote desktop) shares: the
// bounds a read keeps to, the shape of what is written, and the reading of a snapshot, so that all
// roads keep the same promises to the user.
namespace ClipboardContent {
inline const QString transientType = QStringLiteral("org.nspasteboard.TransientType");
inline const QString passwordHintType = QStringLiteral("x-kde-passwordManagerHint");

// The whole read of a snapshot, however many types the owner has; an owner that lets a type
// wait this long between pieces counts as stopped.
constexpr std::chrono::milliseconds snapshotBudget{3000};
constexpr std::chrono::milliseconds typeTimeout{1000};
constexpr std::chrono::milliseconds textBudget{2000};
// Larger types are left out; a snapshot stops before it grows past the total.
constexpr qsizetype maxTypeSize = qsizetype(64) * 1024 * 1024;
constexpr qsizetype maxSnapshotSize = qsizetype(256) * 1024 * 1024;
// Types beyond this many are not kept: no clipboard has that many, and each costs memory.
constexpr qsizetype maxTypes = 500;
// How long changeCount() may wait for the compositor's latest word.
constexpr std::chrono::milliseconds catchUpTimeout{250};
// Readers served at once; more go unanswered.
constexpr int maxTransfers = 32;

const ClipboardFormat *find(const ClipboardItem &item, const QString &type);
std::optional<QString> textOf(const ClipboardItem &item);
// One selection holds one item: later items add the types the first ones lack. TEXT is offered
// with the UTF8_STRING bytes, as the X11 owner does, since snapshots leave it out.
ClipboardItem merged(const QList<ClipboardItem> &items);
// Plain text under the MIME and X11 names toolkits look for, with the markers when transient.
ClipboardItem textItem(const QString &text, bool transient);

// The current selection as one road reads it.
struct Selection {
    // One type's bytes; none when the reading must stop (the clipboard object is gone).
    std::function<QCoro::Task<std::optional<PipeTransfer::ReadResult>>(QString type, PipeTransfer::ReadLimits)> read;
    // Whether what was read is still the selection.
    std::function<QCoro::Task<bool>()> stillCurrent;
};

// Every type of `offered` worth keeping, read in the owner's order within the bounds above.
QCoro::Task<ClipboardItem> readSnapshot(QStringList offered, Selection selection);
// The first text type of `offered` that reads, decoded.
QCoro::Task<std::optional<QString>> readText(QStringList offered, Selection selection);
} // namespace ClipboardContent
