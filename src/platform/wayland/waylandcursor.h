#pragma once

#include <QHash>
#include <QString>

struct wl_compositor;
struct wl_cursor_theme;
struct wl_pointer;
struct wl_shm;
struct wl_surface;

// The pointer's picture over Ringle's surfaces, from the user's cursor theme (XCURSOR_THEME,
// XCURSOR_SIZE), loaded once per scale.
class WaylandCursor final {
public:
    WaylandCursor(wl_compositor *compositor, wl_shm *shm);
    ~WaylandCursor();
    WaylandCursor(const WaylandCursor &) = delete;
    WaylandCursor &operator=(const WaylandCursor &) = delete;

    // Shows the named shape ("default", "text", "pointer") for the pointer that entered with `serial`.
    void show(wl_pointer *pointer, quint32 serial, const QString &shape, int scale);

private:
    wl_cursor_theme *theme(int scale);

    wl_compositor *m_compositor;
    wl_shm *m_shm;
    wl_surface *m_surface = nullptr;
    QHash<int, wl_cursor_theme *> m_themes;
    int m_size = 24;
    QByteArray m_themeName;
};
