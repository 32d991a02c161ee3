#include "actions/recentresults.h"

#include <QTextBoundaryFinder>

void RecentResults::add(const QString &action, const QString &text)
{
    if (text.trimmed().isEmpty())
        return;
    m_entries.prepend({action, text});
    if (m_entries.size() > capacity)
        m_entries.resize(capacity);
    Q_EMIT changed();
}

void RecentResults::clear()
{
    if (m_entries.isEmpty())
        return;
    m_entries.clear();
    Q_EMIT changed();
}

QString RecentResults::excerpt(const QString &text)
{
    const QString line = text.simplified();
    // Whole characters only: a cut inside a surrogate pair or a cluster would show as garbage.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, line);
    qsizetype cut = 0;
    qsizetype count = 0;
    while (count < excerptLength) {
        const qsizetype next = graphemes.toNextBoundary();
        if (next < 0)
            return line;
        cut = next;
        ++count;
    }
    if (graphemes.toNextBoundary() < 0)
        return line;
    // Back to the last space when it is not far, so the excerpt ends on a whole word.
    const qsizetype space = line.lastIndexOf(QLatin1Char(' '), cut - 1);
    if (space > cut * 2 / 3)
        cut = space;
    return line.left(cut).trimmed() + QStringLiteral("…");
}

void RecentResults::setCanUndo(bool canUndo)
{
    if (canUndo == m_canUndo)
        return;
    m_canUndo = canUndo;
    Q_EMIT canUndoChanged(canUndo);
}

void RecentResults::requestCopy(qsizetype index)
{
    if (index >= 0 && index < m_entries.size())
        Q_EMIT copyRequested(m_entries.at(index).text);
}
