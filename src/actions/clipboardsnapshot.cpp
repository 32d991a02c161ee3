#include "actions/clipboardsnapshot.h"

ClipboardSnapshot::ClipboardSnapshot(QList<ClipboardItem> items)
    : m_items(std::move(items))
{
    // An item that delivered nothing would be written back as an empty item; leave it out.
    m_items.removeIf([](const ClipboardItem &item) { return item.isEmpty(); });
}

QCoro::Task<ClipboardSnapshot> ClipboardSnapshot::take(Clipboard &clipboard)
{
    co_return ClipboardSnapshot(co_await clipboard.readItems());
}

void ClipboardSnapshot::restore(Clipboard &clipboard) const
{
    clipboard.writeItems(m_items);
}
