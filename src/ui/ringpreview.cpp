#include "ui/ringpreview.h"

#include <QPainter>

RingPreview::RingPreview(SymbolIcons &icons, WheelFacePainter::LabelSource labels, QWidget *parent)
    : QWidget(parent)
    , m_face(icons, std::move(labels))
{
    setObjectName(QStringLiteral("ringPreview"));
    setFixedSize(diameter, diameter);
}

void RingPreview::showRing(const WheelTab &ring)
{
    if (ring == m_ring)
        return;
    m_ring = ring;
    update();
}

void RingPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_face.paint(painter, QRectF(0, 0, diameter, diameter), m_ring, std::nullopt, true,
                 palette().color(QPalette::WindowText), font());
}
