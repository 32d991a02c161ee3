#pragma once

#include <QFont>
#include <QSizeF>
#include <QStringList>

class QPainter;

// Text set in a width the way the wheel's labels are: up to `maxLines` lines, the font shrinking
// to `minimumScale` of its size before the last line is truncated with an ellipsis.
struct FittedText {
    QFont font;
    QStringList lines;
    double lineHeight = 0;

    static FittedText fit(const QString &text, const QFont &font, double width, int maxLines = 1,
                          double minimumScale = 0.7);

    QSizeF size() const;
    // Each line centred on `topCenter`'s x, the first line's top at its y.
    void draw(QPainter &painter, QPointF topCenter) const;
};
