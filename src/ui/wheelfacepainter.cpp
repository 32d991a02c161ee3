#include "ui/wheelfacepainter.h"

#include "ui/fittedtext.h"
#include "ui/ringlecolors.h"
#include "ui/symbolicons.h"
#include "ui/wheelsegmentshape.h"
#include "wheel/wheelgeometry.h"

#include <QPainter>
#include <cmath>

namespace {
QFont sized(QFont font, int pixels, QFont::Weight weight)
{
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(float(alpha));
    return color;
}
} // namespace

WheelFacePainter::WheelFacePainter(SymbolIcons &icons, LabelSource labels)
    : m_icons(icons)
    , m_labels(std::move(labels))
{
}

void WheelFacePainter::paint(QPainter &painter, const QRectF &rect, const WheelTab &tab,
                             std::optional<int> selectedSlot, bool compact, const QColor &primary,
                             const QFont &systemFont) const
{
    const double d = rect.width();
    const QPointF c = rect.center();
    const double outer = d / 2 * 0.975;
    const double inner = d / 2 * 0.36;
    const double labelRadius = (outer + inner) / 2;
    // A ring without slots still shows one empty ring.
    const int n = qMax(1, tab.slotCount());
    const double gap = n >= 2 ? 4 : 0;
    const double halfSpan = (360.0 / n - gap) / 2;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < n; ++k) {
        const double theta = WheelGeometry::slotCenter(k, n);
        const bool filled = k < tab.slotCount() && tab.slots.at(k).has_value();
        const bool selected = selectedSlot == k;
        QColor fill = selected ? withAlpha(RingleColors::orange(), 0.9) : withAlpha(primary, filled ? 0.08 : 0.03);
        const WheelSegmentShape shape{theta - halfSpan, theta + halfSpan, inner, outer};
        painter.fillPath(shape.path(rect), fill);

        const double radians = qDegreesToRadians(theta);
        const QPointF labelCenter = c + QPointF(std::sin(radians) * labelRadius, -std::cos(radians) * labelRadius);
        const QColor textColor = selected ? QColor(Qt::white) : primary;
        std::optional<SlotLabel> label;
        if (filled && m_labels)
            label = m_labels(*tab.slots.at(k));
        if (compact)
            paintCompactLabel(painter, labelCenter, k, label, textColor, systemFont);
        else if (label)
            paintLabel(painter, labelCenter, *label, n, textColor, systemFont);
    }

    if (!compact) {
        const FittedText title = FittedText::fit(tab.displayTitle(), sized(systemFont, 11, QFont::DemiBold),
                                                 d * 0.36 - 16, 2);
        painter.setPen(primary);
        title.draw(painter, QPointF(c.x(), c.y() - title.size().height() / 2));
    }
    painter.restore();
}

void WheelFacePainter::paintImage(QPainter &painter, const QRectF &box, const SlotLabel &label,
                                  double symbolSize, const QColor &color) const
{
    if (!label.image.isNull()) {
        // The application's or site's own picture, stretched to the box.
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        const QSize pixels = (box.size() * ratio).toSize();
        QPixmap picture = label.image.pixmap(pixels);
        if (picture.size() != pixels)
            picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(box, picture, QRectF(picture.rect()));
        return;
    }
    const QRectF symbolBox(box.center() - QPointF(symbolSize / 2, symbolSize / 2), QSizeF(symbolSize, symbolSize));
    m_icons.paint(painter, symbolBox, label.symbol, color);
}

void WheelFacePainter::paintLabel(QPainter &painter, QPointF center, const SlotLabel &label, int slotCount,
                                  const QColor &color, const QFont &systemFont) const
{
    const bool narrow = slotCount > 4;
    const double width = narrow ? 66 : 84;
    const double subtitleWidth = narrow ? 46 : 84;
    const double imageSize = 24;
    const double spacing = 2;

    const FittedText title = FittedText::fit(label.title, sized(systemFont, 11, QFont::DemiBold), width);
    std::optional<FittedText> subtitle;
    if (label.subtitle)
        subtitle = FittedText::fit(*label.subtitle, sized(systemFont, 9, QFont::Normal), subtitleWidth);

    double height = imageSize + spacing + title.size().height();
    if (subtitle)
        height += spacing + subtitle->size().height();
    double top = center.y() - height / 2;

    // The symbol drawn as a 17-point glyph fills about 20 of the 24-point box.
    paintImage(painter, QRectF(center.x() - imageSize / 2, top, imageSize, imageSize), label, 20, color);
    top += imageSize + spacing;
    painter.setPen(color);
    title.draw(painter, QPointF(center.x(), top));
    top += title.size().height() + spacing;
    if (subtitle) {
        painter.setPen(withAlpha(color, color.alphaF() * 0.8));
        subtitle->draw(painter, QPointF(center.x(), top));
    }
}

void WheelFacePainter::paintCompactLabel(QPainter &painter, QPointF center, int slot,
                                         const std::optional<SlotLabel> &label, const QColor &color,
                                         const QFont &systemFont) const
{
    const FittedText number = FittedText::fit(QString::number(slot + 1), sized(systemFont, 11, QFont::Bold), 40);
    const double imageSize = 12;
    const double spacing = 1;
    double height = number.size().height();
    if (label)
        height += spacing + imageSize;
    double top = center.y() - height / 2;
    painter.setPen(color);
    number.draw(painter, QPointF(center.x(), top));
    top += number.size().height() + spacing;
    if (label)
        paintImage(painter, QRectF(center.x() - imageSize / 2, top, imageSize, imageSize), *label, 11, color);
}
