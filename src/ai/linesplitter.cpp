#include "ai/linesplitter.h"

#include <algorithm>

LineSplitter::LineSplitter(qsizetype maxLineBytes)
    : m_maxLineBytes(maxLineBytes)
{
}

QList<QByteArray> LineSplitter::feed(const QByteArray &chunk)
{
    QList<QByteArray> lines;
    const char *cursor = chunk.constData();
    const char *const end = cursor + chunk.size();
    if (cursor != end && m_pendingCR && *cursor == '\n')
        ++cursor;
    m_pendingCR = false;
    while (cursor != end) {
        const char *const lineEnd = std::find_if(cursor, end, [](char c) { return c == '\n' || c == '\r'; });
        append(cursor, lineEnd);
        if (lineEnd == end)
            break;
        endLine(lines);
        cursor = lineEnd + 1;
        if (*lineEnd == '\r') {
            if (cursor == end)
                m_pendingCR = true;
            else if (*cursor == '\n')
                ++cursor;
        }
    }
    return lines;
}

QList<QByteArray> LineSplitter::finish()
{
    QList<QByteArray> lines;
    if (!m_line.isEmpty() || m_overlong)
        endLine(lines);
    m_pendingCR = false;
    return lines;
}

void LineSplitter::append(const char *begin, const char *end)
{
    if (m_overlong)
        return;
    if (m_line.size() + (end - begin) > m_maxLineBytes) {
        m_overlong = true;
        m_line = QByteArray();
        return;
    }
    m_line.append(begin, end - begin);
}

void LineSplitter::endLine(QList<QByteArray> &lines)
{
    if (m_overlong)
        ++m_dropped;
    else
        lines.append(m_line);
    m_line.clear();
    m_overlong = false;
}
