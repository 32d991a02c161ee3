#pragma once

#include <QMargins>
#include <QSize>
#include <QString>
#include <functional>

struct wl_output;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

// The layer-shell role of one of Ringle's surfaces: on the overlay layer of one output, above
// every window (full-screen ones too), outside other surfaces' exclusive zones.
class LayerRole final {
public:
    enum class Keyboard { none, exclusive, onDemand };
    struct Placement {
        // Empty size: the whole output (anchored to every edge); else anchored at the top left,
        // `margins.left()` and `margins.top()` from the output's corner.
        QSize size;
        QMargins margins;
    };

    LayerRole(zwlr_layer_shell_v1 *shell, wl_surface *surface, wl_output *output, const QString &name,
              Placement placement, Keyboard keyboard);
    ~LayerRole();
    LayerRole(const LayerRole &) = delete;
    LayerRole &operator=(const LayerRole &) = delete;

    // Called with the size the compositor gave, once the surface may be drawn (and again when it
    // changes); `closed` when the compositor took the surface away.
    void setConfigured(std::function<void(QSize)> configured) { m_configured = std::move(configured); }
    void setClosed(std::function<void()> closed) { m_closed = std::move(closed); }

    bool isConfigured() const { return m_isConfigured; }
    QSize size() const { return m_size; }
    // Applied with the surface's next commit.
    void setPlacement(Placement placement);
    void setKeyboard(Keyboard keyboard);
    bool supportsOnDemandKeyboard() const;

    // Internal to the protocol listeners.
    void configure(quint32 serial, QSize size);
    void close();

private:
    zwlr_layer_surface_v1 *m_layer;
    bool m_isConfigured = false;
    QSize m_size;
    std::function<void(QSize)> m_configured;
    std::function<void()> m_closed;
};
