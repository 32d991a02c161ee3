#include "ai/graphemes.h"

#include <QTextBoundaryFinder>

namespace Graphemes {

QList<QStringView> split(const QString &text)
{
    QList<QStringView> clusters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() >= 0) {
        const qsizetype end = finder.position();
        if (end > start)
            clusters.append(QStringView(text).sliced(start, end - start));
        start = end;
    }
    return clusters;
}

qsizetype count(const QString &text)
{
    qsizetype clusters = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() >= 0) {
        if (finder.position() > start)
            ++clusters;
        start = finder.position();
    }
    return clusters;
}

} // namespace Graphemes
