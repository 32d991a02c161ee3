#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>

// Cuts a byte stream into lines ending in LF, CRLF or CR, whatever the chunk boundaries.
// A line longer than the cap is dropped whole, so a server that never sends a line break
// costs at most the cap in memory.
class LineSplitter final {
public:
    explicit LineSplitter(qsizetype maxLineBytes)
        : m_maxLineBytes(maxLineBytes)
    {
    }

    // Calls onLine(QByteArrayView) for each line that `chunk` completes, without its terminator;
    // stops early, answering false, as soon as onLine answers false.
    template <typename OnLine> bool feed(QByteArrayView chunk, OnLine &&onLine)
    {
        const char *cursor = chunk.data();
        const char *const end = cursor + chunk.size();
        if (cursor != end && m_pendingCR && *cursor == '\n')
            ++cursor;
        m_pendingCR = false;
        while (cursor != end) {
            const char *const lineEnd = std::find_if(cursor, end, [](char c) { return c == '\n' || c == '\r'; });
            if (lineEnd == end) {
                append(QByteArrayView(cursor, end));
                break;
            }
            const bool goOn = endLine(QByteArrayView(cursor, lineEnd), onLine);
            cursor = lineEnd + 1;
            if (*lineEnd == '\r') {
                if (cursor == end)
                    m_pendingCR = true;
                else if (*cursor == '\n')
                    ++cursor;
            }
            if (!goOn)
                return false;
        }
        return true;
    }

    // Hands over the unterminated last line, if any; the splitter is empty afterwards.
    template <typename OnLine> bool finish(OnLine &&onLine)
    {
        m_pendingCR = false;
        if (m_line.isEmpty() && !m_overlong)
            return true;
        return endLine(QByteArrayView(), onLine);
    }

    qsizetype droppedLines() const { return m_dropped; }

private:
    void append(QByteArrayView part)
    {
        if (m_overlong)
            return;
        if (m_line.size() + part.size() > m_maxLineBytes) {
            m_overlong = true;
            m_line = QByteArray();
            return;
        }
        m_line.append(part);
    }

    // Lines that arrive whole in one chunk are handed over without a copy.
    template <typename OnLine> bool endLine(QByteArrayView tail, OnLine &onLine)
    {
        bool goOn = true;
        if (m_line.isEmpty() && !m_overlong) {
            if (tail.size() > m_maxLineBytes)
                ++m_dropped;
            else
                goOn = onLine(tail);
            return goOn;
        }
        append(tail);
        if (m_overlong)
            ++m_dropped;
        else
            goOn = onLine(QByteArrayView(m_line));
        m_line.clear();
        m_overlong = false;
        return goOn;
    }

    qsizetype m_maxLineBytes;
    QByteArray m_line;
    bool m_overlong = false;
    bool m_pendingCR = false; // a CR ended the last line; an LF right after it belongs to it
    qsizetype m_dropped = 0;
};
