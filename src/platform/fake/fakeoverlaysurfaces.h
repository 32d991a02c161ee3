#pragma once

#include "platform/overlaysurfaces.h"

#include <QImage>
#include <QList>

// An overlay surface that keeps each frame as a picture and lets a test send it input.
class FakeOverlaySurface final : public OverlaySurface {
public:
    explicit FakeOverlaySurface(qreal scale = 1)
        : m_scale(scale)
    {
    }

    void setHandlers(Handlers handlers) override { this->handlers = std::move(handlers); }
    void setContentRect(const QRect &rect) override { m_rect = rect; }
    QRect contentRect() const override { return m_rect; }
    void setTakesInput(bool takes) override { takesInput = takes; }
    void setCursorShape(const QString &name) override { cursorShape = name; }
    void show() override { shown = true; }
    void hide() override { shown = false; }
    bool isShown() const override { return shown; }
    SurfaceCanvas beginFrame() override
    {
        if (!shown || m_rect.isEmpty() || refusesFrames)
            return {};
        m_drawing = QImage(m_rect.size() * m_scale, QImage::Format_ARGB32_Premultiplied);
        m_drawing.fill(Qt::transparent);
        return {m_drawing.bits(), m_drawing.size(), int(m_drawing.bytesPerLine()), m_scale};
    }
    void endFrame() override { frames.append(m_drawing); }

    void send(const SurfacePointerEvent &event) const { handlers.pointer(event); }
    void send(const SurfaceKeyEvent &event) const { handlers.key(event); }

    Handlers handlers;
    QList<QImage> frames;
    bool shown = false;
    bool takesInput = true;
    bool refusesFrames = false;
    QString cursorShape;

private:
    qreal m_scale;
    QRect m_rect;
    QImage m_drawing;
};
