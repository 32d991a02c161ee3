#pragma once

#include "platform/clipboard.h"

#include <chrono>

// A clipboard in memory that records every write, for tests.
class FakeClipboard final : public Clipboard {
public:
    static inline const QString plainTextType = QStringLiteral("text/plain");
    static inline const QString transientType = QStringLiteral("org.nspasteboard.TransientType");

    struct TextWrite {
        QString text;
        bool transient = false;
        friend bool operator==(const TextWrite &, const TextWrite &) = default;
    };

    qint64 changeCount() override { return m_changeCount; }
    QCoro::Task<QList<ClipboardItem>> readItems() override;
    void writeItems(const QList<ClipboardItem> &items) override;
    void writeText(const QString &text, bool transient) override;
    QCoro::Task<std::optional<QString>> readText() override;

    // Another process puts this content on the clipboard.
    void setContentFromOtherProcess(QList<ClipboardItem> items);
    void setTextFromOtherProcess(const QString &text);

    const QList<ClipboardItem> &items() const { return m_items; }
    std::optional<QString> currentText() const;
    // Every writeItems() call (restores) and every writeText() call, in order.
    const QList<QList<ClipboardItem>> &itemWrites() const { return m_itemWrites; }
    const QList<TextWrite> &textWrites() const { return m_textWrites; }
    // When each writeItems() call happened, on the monotonic clock.
    const QList<std::chrono::steady_clock::time_point> &itemWriteTimes() const { return m_itemWriteTimes; }
    int writeCount() const { return int(m_itemWrites.size() + m_textWrites.size()); }
    int readCount() const { return m_reads; }

private:
    QList<ClipboardItem> m_items;
    QList<QList<ClipboardItem>> m_itemWrites;
    QList<TextWrite> m_textWrites;
    QList<std::chrono::steady_clock::time_point> m_itemWriteTimes;
    qint64 m_changeCount = 0;
    int m_reads = 0;
};
