#pragma once

#include "wheel/wheeltab.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>

class QPainter;

// Draws the list of the set's rings beside the wheel, the current ring highlighted.
namespace WheelTabListPainter {
void paint(QPainter &painter, const QRectF &frame, const QList<WheelTab> &tabs, int selectedIndex,
           const QColor &primary, const QFont &systemFont);
} // namespace WheelTabListPainter
