#pragma once

#include "ui/wheelfacepainter.h"

#include <QWidget>

// The ring editor's preview: the wheel face drawn compact, 150 points across.
class RingPreview final : public QWidget {
    Q_OBJECT
public:
    static constexpr int diameter = 150;

    RingPreview(SymbolIcons &icons, WheelFacePainter::LabelSource labels, QWidget *parent = nullptr);

    void showRing(const WheelTab &ring);
    const WheelTab &ring() const { return m_ring; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    WheelFacePainter m_face;
    WheelTab m_ring;
};
