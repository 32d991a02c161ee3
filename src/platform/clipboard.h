#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QCoroTask>
#include <optional>

// One representation of a clipboard item: its type name and its bytes, unconverted.
struct ClipboardFormat {
    QString type;
    QByteArray data;

    friend bool operator==(const ClipboardFormat &, const ClipboardFormat &) = default;
};

// Every representation one item offers, in the order it offers them.
using ClipboardItem = QList<ClipboardFormat>;

// The system clipboard (the CLIPBOARD selection on X11).
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Grows with every change of the clipboard's content by any process, this one included.
    virtual qint64 changeCount() = 0;

    // Every item with every type the owner delivers as raw bytes; types it lists but does not
    // deliver are left out. Bounded in time: an owner that does not answer yields what was read.
    virtual QCoro::Task<QList<ClipboardItem>> readItems() = 0;

    // Replaces the whole content by these items; no items leaves the clipboard empty.
    virtual void writeItems(const QList<ClipboardItem> &items) = 0;

    // Replaces the content by plain text. A transient text carries the markers by which
    // clipboard managers know not to record it.
    virtual void writeText(const QString &text, bool transient) = 0;

    // The plain text of the current content, if it has any. Bounded in time like readItems().
    virtual QCoro::Task<std::optional<QString>> readText() = 0;
};
