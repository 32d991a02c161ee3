#include "platform/wayland/foreigntoplevels.h"

#include "platform/wayland/waylandconnection.h"

#include "ext-foreign-toplevel-list-v1-client-protocol.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

namespace {
using Toplevel = ForeignToplevels::Toplevel;

Toplevel *toplevelOf(void *data)
{
    return static_cast<Toplevel *>(data);
}

void wlrTitle(void *data, zwlr_foreign_toplevel_handle_v1 *, const char *title)
{
    toplevelOf(data)->pendingTitle = QString::fromUtf8(title);
}

void wlrAppId(void *data, zwlr_foreign_toplevel_handle_v1 *, const char *appId)
{
    toplevelOf(data)->pendingAppId = QString::fromUtf8(appId);
}

void wlrOutputEnter(void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {}
void wlrOutputLeave(void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {}

void wlrState(void *data, zwlr_foreign_toplevel_handle_v1 *, wl_array *states)
{
    bool activated = false;
    const auto *state = static_cast<const uint32_t *>(states->data);
    for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i) {
        if (state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED)
            activated = true;
    }
    toplevelOf(data)->pendingActivated = activated;
}

void wlrDone(void *data, zwlr_foreign_toplevel_handle_v1 *)
{
    Toplevel *t = toplevelOf(data);
    t->owner->done(t);
}

void wlrClosed(void *data, zwlr_foreign_toplevel_handle_v1 *handle)
{
    Toplevel *t = toplevelOf(data);
    zwlr_foreign_toplevel_handle_v1_destroy(handle);
    t->handle = nullptr;
    t->owner->closed(t);
}

void wlrParent(void *, zwlr_foreign_toplevel_handle_v1 *, zwlr_foreign_toplevel_handle_v1 *) {}

const zwlr_foreign_toplevel_handle_v1_listener wlrHandleListener = {
    .title = wlrTitle,
    .app_id = wlrAppId,
    .output_enter = wlrOutputEnter,
    .output_leave = wlrOutputLeave,
    .state = wlrState,
    .done = wlrDone,
    .closed = wlrClosed,
    .parent = wlrParent,
};

void wlrToplevel(void *data, zwlr_foreign_toplevel_manager_v1 *, zwlr_foreign_toplevel_handle_v1 *handle)
{
    Toplevel *t = static_cast<ForeignToplevels *>(data)->add(handle);
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &wlrHandleListener, t);
}

void wlrFinished(void *, zwlr_foreign_toplevel_manager_v1 *) {}

const zwlr_foreign_toplevel_manager_v1_listener wlrManagerListener = {.toplevel = wlrToplevel,
                                                                      .finished = wlrFinished};

void extClosed(void *data, ext_foreign_toplevel_handle_v1 *handle)
{
    Toplevel *t = toplevelOf(data);
    ext_foreign_toplevel_handle_v1_destroy(handle);
    t->handle = nullptr;
    t->owner->closed(t);
}

void extDone(void *data, ext_foreign_toplevel_handle_v1 *)
{
    Toplevel *t = toplevelOf(data);
    t->owner->done(t);
}

void extTitle(void *data, ext_foreign_toplevel_handle_v1 *, const char *title)
{
    toplevelOf(data)->pendingTitle = QString::fromUtf8(title);
}

void extAppId(void *data, ext_foreign_toplevel_handle_v1 *, const char *appId)
{
    toplevelOf(data)->pendingAppId = QString::fromUtf8(appId);
}

void extIdentifier(void *, ext_foreign_toplevel_handle_v1 *, const char *) {}

const ext_foreign_toplevel_handle_v1_listener extHandleListener = {
    .closed = extClosed,
    .done = extDone,
    .title = extTitle,
    .app_id = extAppId,
    .identifier = extIdentifier,
};

void extToplevel(void *data, ext_foreign_toplevel_list_v1 *, ext_foreign_toplevel_handle_v1 *handle)
{
    Toplevel *t = static_cast<ForeignToplevels *>(data)->add(handle);
    ext_foreign_toplevel_handle_v1_add_listener(handle, &extHandleListener, t);
}

void extFinished(void *, ext_foreign_toplevel_list_v1 *) {}

const ext_foreign_toplevel_list_v1_listener extListListener = {.toplevel = extToplevel, .finished = extFinished};
} // namespace

ForeignToplevels::ForeignToplevels(WaylandConnection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
{
    // Only the wlroots protocol tells the window in front, so it wins where both are offered.
    m_manager = static_cast<zwlr_foreign_toplevel_manager_v1 *>(
        connection.bind(&zwlr_foreign_toplevel_manager_v1_interface, 3));
    if (m_manager) {
        zwlr_foreign_toplevel_manager_v1_add_listener(m_manager, &wlrManagerListener, this);
    } else {
        m_list = static_cast<ext_foreign_toplevel_list_v1 *>(connection.bind(&ext_foreign_toplevel_list_v1_interface, 1));
        if (m_list)
            ext_foreign_toplevel_list_v1_add_listener(m_list, &extListListener, this);
    }
    if (isAvailable())
        connection.roundtrip();
}

ForeignToplevels::~ForeignToplevels()
{
    for (const std::shared_ptr<Toplevel> &t : std::as_const(m_toplevels)) {
        if (!t->handle)
            continue;
        if (m_manager)
            zwlr_foreign_toplevel_handle_v1_destroy(static_cast<zwlr_foreign_toplevel_handle_v1 *>(t->handle));
        else
            ext_foreign_toplevel_handle_v1_destroy(static_cast<ext_foreign_toplevel_handle_v1 *>(t->handle));
    }
    // Stopping first would only ask for a finished event nobody waits for.
    if (m_manager)
        wl_proxy_destroy(reinterpret_cast<wl_proxy *>(m_manager));
    if (m_list)
        ext_foreign_toplevel_list_v1_destroy(m_list);
}

ForeignToplevels::Toplevel *ForeignToplevels::add(void *handle)
{
    auto t = std::make_shared<Toplevel>();
    t->serial = m_nextSerial++;
    t->owner = this;
    t->handle = handle;
    m_toplevels.append(t);
    return t.get();
}

void ForeignToplevels::done(Toplevel *t)
{
    t->appId = t->pendingAppId;
    t->title = t->pendingTitle;
    t->activated = t->pendingActivated;
}

void ForeignToplevels::closed(Toplevel *t)
{
    m_toplevels.removeIf([t](const std::shared_ptr<Toplevel> &x) { return x.get() == t; });
}

std::optional<ForeignToplevels::Toplevel> ForeignToplevels::activated() const
{
    for (const std::shared_ptr<Toplevel> &t : m_toplevels) {
        if (t->activated)
            return *t;
    }
    return std::nullopt;
}

QList<ForeignToplevels::Toplevel> ForeignToplevels::toplevels() const
{
    QList<Toplevel> result;
    for (const std::shared_ptr<Toplevel> &t : m_toplevels)
        result.append(*t);
    return result;
}
