#include "platform/fake/fakeclipboard.h"

QCoro::Task<QList<ClipboardItem>> FakeClipboard::readItems()
{
    ++m_reads;
    co_return QList<ClipboardItem>(m_items); // a plain lvalue would be moved from by QCoro
}

void FakeClipboard::writeItems(const QList<ClipboardItem> &items)
{
    m_itemWrites.append(items);
    m_itemWriteTimes.append(std::chrono::steady_clock::now());
    setContentFromOtherProcess(items);
}

void FakeClipboard::writeText(const QString &text, bool transient)
{
    m_textWrites.append({text, transient});
    ClipboardItem item{{plainTextType, text.toUtf8()}};
    if (transient)
        item.append({transientType, {}});
    setContentFromOtherProcess({item});
}

QCoro::Task<std::optional<QString>> FakeClipboard::readText()
{
    co_return currentText();
}

void FakeClipboard::setContentFromOtherProcess(QList<ClipboardItem> items)
{
    m_items = std::move(items);
    ++m_changeCount;
}

void FakeClipboard::setTextFromOtherProcess(const QString &text)
{
    setContentFromOtherProcess({ClipboardItem{{plainTextType, text.toUtf8()}}});
}

std::optional<QString> FakeClipboard::currentText() const
{
    for (const ClipboardItem &item : m_items) {
        for (const ClipboardFormat &format : item) {
            if (format.type == plainTextType)
                return QString::fromUtf8(format.data);
        }
    }
    return std::nullopt;
}
