#pragma once

#include "ui/slotlabels.h"
#include "wheel/wheeltab.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <functional>
#include <optional>

class QPainter;
class SymbolIcons;

// Draws one ring as a disc of segments with the slots' labels: full size on the wheel, compact in
// the editor's preview (slot numbers and small images, no centre title).
class WheelFacePainter final {
public:
    using LabelSource = std::function<SlotLabel(const WheelItem &item)>;

    WheelFacePainter(SymbolIcons &icons, LabelSource labels);

    // `rect` is the d × d square of the disc; `primary` the text colour of the surface below.
    void paint(QPainter &painter, const QRectF &rect, const WheelTab &tab, std::optional<int> selectedSlot,
               bool compact, const QColor &primary, const QFont &systemFont) const;

private:
    void paintLabel(QPainter &painter, QPointF center, const SlotLabel &label, int slotCount,
                    const QColor &color, const QFont &systemFont) const;
    void paintCompactLabel(QPainter &painter, QPointF center, int slot, const std::optional<SlotLabel> &label,
                           const QColor &color, const QFont &systemFont) const;
    void paintImage(QPainter &painter, const QRectF &box, const SlotLabel &label, double symbolSize,
                    const QColor &color) const;

    SymbolIcons &m_icons;
    LabelSource m_labels;
};
