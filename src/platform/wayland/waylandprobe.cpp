#include "platform/wayland/waylandprobe.h"

#include "platform/wayland/layershellprotocol.h"
#include "platform/wayland/waylandconnection.h"

#include <cerrno>
#include <poll.h>

namespace WaylandProbe {
namespace {
constexpr int timeoutMs = int(WaylandConnection::startupTimeout.count());

void global(void *data, wl_registry *, uint32_t, const char *interface, uint32_t version)
{
    auto *result = static_cast<Result *>(data);
    const QString name = QString::fromLatin1(interface);
    if (result->interfaces.contains(name) || WaylandConnection::ignoredInterfaces().contains(QByteArray(interface)))
        return;
    result->interfaces.append(name);
    result->versions.append(version);
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener listener = {.global = global, .global_remove = globalRemove};

void done(void *data, wl_callback *callback, uint32_t)
{
    *static_cast<bool *>(data) = true;
    wl_callback_destroy(callback);
}

const wl_callback_listener syncListener = {.done = done};
} // namespace

Result probe(const QByteArray &display)
{
    Result result;
    // A name without XDG_RUNTIME_DIR names no socket; libwayland would say so on stderr itself.
    const QByteArray name = display.isEmpty() ? qgetenv("WAYLAND_DISPLAY") : display;
    if (!name.startsWith('/') && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return result;
    wl_display *d = wl_display_connect(display.isEmpty() ? nullptr : display.constData());
    if (!d)
        return result;
    wl_registry *registry = wl_display_get_registry(d);
    wl_registry_add_listener(registry, &listener, &result);
    bool answered = false;
    wl_callback *callback = wl_display_sync(d);
    wl_callback_add_listener(callback, &syncListener, &answered);
    wl_display_flush(d);
    // A compositor that accepts the connection but never answers must not hold the start up.
    pollfd fd{wl_display_get_fd(d), POLLIN, 0};
    int left = timeoutMs;
    while (!answered && left > 0) {
        if (wl_display_prepare_read(d) != 0) {
            wl_display_dispatch_pending(d);
            continue;
        }
        const int ready = ::poll(&fd, 1, 100);
        left -= 100;
        if (ready <= 0 || wl_display_read_events(d) < 0) {
            if (ready <= 0)
                wl_display_cancel_read(d);
            if (ready < 0 && errno != EINTR)
                break;
            continue;
        }
        if (wl_display_dispatch_pending(d) < 0)
            break;
    }
    result.reachable = answered;
    if (!answered)
        result.interfaces.clear();
    wl_registry_destroy(registry);
    wl_display_disconnect(d);
    return result;
}

QStringList missingEssentials(const Result &result)
{
    QStringList missing;
    for (const char *name : {wl_compositor_interface.name, wl_shm_interface.name, wl_seat_interface.name,
                             wl_subcompositor_interface.name, zwlr_layer_shell_v1_interface.name}) {
        if (!result.interfaces.contains(QLatin1String(name)))
            missing.append(QString::fromLatin1(name));
    }
    return missing;
}
QStringList missingForTheRoad(const Result &result)
{
    QStringList missing;
    if (!result.interfaces.contains(u"ext_data_control_manager_v1"_qs)
        && !result.interfaces.contains(u"zwlr_data_control_manager_v1"_qs))
        missing.append(u"ext_data_control_manager_v1"_qs);
    // KWin lists its fake input only to the programs it grants it.
    if (!result.interfaces.contains(u"zwp_virtual_keyboard_manager_v1"_qs)
        && !result.interfaces.contains(u"org_kde_kwin_fake_input"_qs))
        missing.append(virtualKeyboard);
    return missing;
}
} // namespace WaylandProbe
