#pragma once

#include <QByteArray>
#include <QList>

// Cuts a byte stream into lines ending in LF, CRLF or CR, whatever the chunk boundaries.
// A line longer than the cap is dropped whole, so a server that never sends a line break
// costs at most the cap in memory.
class LineSplitter final {
public:
    explicit LineSplitter(qsizetype maxLineBytes);

    // The lines completed by `chunk`, without their terminators.
    QList<QByteArray> feed(const QByteArray &chunk);
    // The unterminated last line, if any; the splitter is empty afterwards.
    QList<QByteArray> finish();

    qsizetype droppedLines() const { return m_dropped; }

private:
    void append(const char *begin, const char *end);
    void endLine(QList<QByteArray> &lines);

    qsizetype m_maxLineBytes;
    QByteArray m_line;
    bool m_overlong = false;
    bool m_pendingCR = false; // a CR ended the last line; an LF right after it belongs to it
    qsizetype m_dropped = 0;
};
