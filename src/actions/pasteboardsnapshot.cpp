#include "actions/pasteboardsnapshot.h"

PasteboardSnapshot::PasteboardSnapshot(QList<ClipboardItem> items)
    : m_items(std::move(items))
{
    // An item that delivered nothing would be written back as an empty item; leave it out.
    m_items.removeIf([](const ClipboardItem &item) { return item.isEmpty(); });
}

QCoro::Task<PasteboardSnapshot> PasteboardSnapshot::take(Clipboard &clipboard)
{
    co_return PasteboardSnapshot(co_await clipboard.readItems());
}

void PasteboardSnapshot::restore(Clipboard &clipboard) const
{
    clipboard.writeItems(m_items);
}
