#include "ui/fittedtext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace {
// Lines of `text` wrapped at `width`; none when some word alone is wider (unless breaking anywhere).
QStringList wrap(const QString &text, const QFont &font, double width, bool breakAnywhere)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(breakAnywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (line.naturalTextWidth() > width + 0.01 && !breakAnywhere) {
            layout.endLayout();
            return {};
        }
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}
} // namespace

FittedText FittedText::fit(const QString &input, const QFont &font, double width, int maxLines, double minimumScale)
{
    QString text = input;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    maxLines = qMax(1, maxLines);
    const int basePixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const int smallest = qMax(1, int(std::ceil(basePixels * minimumScale)));

    FittedText result;
    result.font = font;
    for (int pixels = basePixels; pixels >= smallest; --pixels) {
        result.font.setPixelSize(pixels);
        const QFontMetricsF metrics(result.font);
        result.lineHeight = metrics.height();
        if (maxLines == 1) {
            if (metrics.horizontalAdvance(text) <= width) {
                result.lines = QStringList{text};
                return result;
            }
            continue;
        }
        const QStringList lines = wrap(text, result.font, width, false);
        if (!lines.isEmpty() && lines.size() <= maxLines) {
            result.lines = lines;
            return result;
        }
    }

    // Still too long at the smallest size: keep what fits and truncate the last line.
    const QFontMetricsF metrics(result.font);
    QStringList lines = maxLines == 1 ? QStringList{text} : wrap(text, result.font, width, true);
    if (lines.size() > maxLines) {
        const QString rest = lines.mid(maxLines - 1).join(QLatin1Char(' '));
        lines = lines.mid(0, maxLines - 1);
        lines.append(rest);
    }
    if (!lines.isEmpty())
        lines.last() = metrics.elidedText(lines.last(), Qt::ElideRight, width);
    result.lines = lines;
    return result;
}

QSizeF FittedText::size() const
{
    const QFontMetricsF metrics(font);
    double width = 0;
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    return QSizeF(width, lineHeight * lines.size());
}

void FittedText::draw(QPainter &painter, QPointF topCenter) const
{
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    double y = topCenter.y() + metrics.ascent();
    for (const QString &line : lines) {
        painter.drawText(QPointF(topCenter.x() - metrics.horizontalAdvance(line) / 2, y), line);
        y += lineHeight;
    }
}
