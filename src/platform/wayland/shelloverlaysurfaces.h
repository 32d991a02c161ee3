#pragma once

#include "platform/overlaysurfaces.h"

#include <QImage>
#include <QObject>

class ShellExtension;

// Ringle's overlay surfaces on GNOME, where no client may float above others without the focus:
// Ringle draws each frame as ever and Ringle's GNOME Shell extension shows the picture in the
// shell's own layer above every window, out of the Overview and the window switcher, handing back
// the pointer and (for the Ask window, through a grab of its own) the keys over it.
class ShellOverlaySurfaces final : public OverlaySurfaces {
public:
    explicit ShellOverlaySurfaces(ShellExtension &extension)
        : m_extension(extension)
    {
    }

    std::unique_ptr<OverlaySurface> create(Kind kind, const QString &name) override;

private:
    ShellExtension &m_extension;
    quint32 m_nextId = 1;
};

class ShellOverlaySurface final : public QObject, public OverlaySurface {
    Q_OBJECT
public:
    // The shell is given this long to be sent the first frame before it shows the surface anyway.
    static constexpr int firstFrameWaitMs = 100;

    ShellOverlaySurface(ShellExtension &extension, quint32 id, OverlaySurfaces::Kind kind, QString name);
    ~ShellOverlaySurface() override;

    void setHandlers(Handlers handlers) override { m_handlers = std::move(handlers); }
    void setContentRect(const QRect &rect) override;
    QRect contentRect() const override { return m_rect; }
    void setTakesInput(bool takes) override;
    void setCursorShape(const QString &name) override;
    void show() override;
    void hide() override;
    bool isShown() const override { return m_shown; }
    SurfaceCanvas beginFrame() override;
    void endFrame() override;

    // Clutter's state mask as Qt's modifiers.
    static Qt::KeyboardModifiers qtModifiers(quint32 state);
    // The event as the core takes it, for a surface whose content is at `content`; none for a type
    // Ringle does not know.
    static std::optional<SurfacePointerEvent> pointerEvent(const QString &type, QPointF global, quint32 button,
                                                           quint32 state, QPointF delta, const QRect &content);

private:
    void create();
    void place();
    void pointer(const QString &type, QPointF global, quint32 button, quint32 state, QPointF delta);
    void key(bool pressed, quint32 keycode, quint32 keysym, quint32 state, const QString &text);
    void reveal();

    ShellExtension &m_extension;
    quint32 m_id;
    OverlaySurfaces::Kind m_kind;
    QString m_name;
    Handlers m_handlers;
    QRect m_rect;
    bool m_takesInput = true;
    QString m_cursor = QStringLiteral("default");
    bool m_created = false;
    bool m_shown = false;
    bool m_revealPending = false;
    bool m_firstFrame = false;
    QImage m_frame;
};
