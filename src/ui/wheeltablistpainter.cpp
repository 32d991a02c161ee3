#include "ui/wheeltablistpainter.h"

#include "ui/ringlecolors.h"
#include "wheel/wheellayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace WheelTabListPainter {
void paint(QPainter &painter, const QRectF &frame, const QList<WheelTab> &tabs, int selectedIndex,
           const QColor &primary, const QFont &systemFont)
{
    constexpr double textPadding = 10;
    constexpr double cornerRadius = 7;
    QFont font = systemFont;
    font.setPixelSize(12);
    font.setWeight(QFont::DemiBold);
    const QFontMetricsF metrics(font);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    const double rowWidth = frame.width() - 2 * WheelLayout::listPadding;
    double y = frame.top() + WheelLayout::listPadding;
    for (int i = 0; i < tabs.size(); ++i) {
        const QRectF row(frame.left() + WheelLayout::listPadding, y, rowWidth, WheelLayout::rowHeight);
        const bool selected = i == selectedIndex;
        if (selected) {
            QPainterPath background;
            background.addRoundedRect(row, cornerRadius, cornerRadius);
            painter.fillPath(background, RingleColors::orange());
        }
        painter.setPen(selected ? QColor(Qt::white) : primary);
        const QString title =
            metrics.elidedText(tabs.at(i).displayTitle(), Qt::ElideRight, rowWidth - 2 * textPadding);
        const double baseline = row.center().y() + (metrics.ascent() - metrics.descent()) / 2;
        painter.drawText(QPointF(row.left() + textPadding, baseline), title);
        y += WheelLayout::rowHeight + WheelLayout::rowSpacing;
    }
    painter.restore();
}
} // namespace WheelTabListPainter
