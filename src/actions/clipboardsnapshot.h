#pragma once

#include "platform/clipboard.h"

#include <QCoroTask>

// Every item of the clipboard with every type as raw bytes, taken before this application writes
// to the clipboard and written back afterwards.
class ClipboardSnapshot final {
public:
    ClipboardSnapshot() = default;
    explicit ClipboardSnapshot(QList<ClipboardItem> items);

    static QCoro::Task<ClipboardSnapshot> take(Clipboard &clipboard);
    // Always writes, also when the clipboard did not change in between; an empty snapshot
    // leaves the clipboard empty.
    void restore(Clipboard &clipboard) const;

    const QList<ClipboardItem> &items() const { return m_items; }
    bool isEmpty() const { return m_items.isEmpty(); }

    friend bool operator==(const ClipboardSnapshot &, const ClipboardSnapshot &) = default;

private:
    QList<ClipboardItem> m_items;
};
