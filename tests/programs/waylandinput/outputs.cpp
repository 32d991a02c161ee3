#include "outputs.h"

#include "xdg-output-unstable-v1-client-protocol.h"

#include <wayland-client.h>

namespace {
OutputLayout::Output *outputOf(void *data)
{
    return static_cast<OutputLayout::Output *>(data);
}

const wl_output_listener outputListener = {
    .geometry = [](void *data, wl_output *, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char *, const char *,
                   int32_t) { outputOf(data)->position = QPoint(x, y); },
    .mode =
        [](void *data, wl_output *, uint32_t flags, int32_t width, int32_t height, int32_t) {
            if (flags & WL_OUTPUT_MODE_CURRENT)
                outputOf(data)->mode = QSize(width, height);
        },
    .done = [](void *, wl_output *) {},
    .scale = [](void *data, wl_output *, int32_t factor) { outputOf(data)->scale = factor > 0 ? factor : 1; },
    .name = [](void *, wl_output *, const char *) {},
    .description = [](void *, wl_output *, const char *) {},
};

const zxdg_output_v1_listener xdgOutputListener = {
    .logical_position = [](void *data, zxdg_output_v1 *, int32_t x,
                           int32_t y) { outputOf(data)->logical.moveTo(x, y); },
    .logical_size = [](void *data, zxdg_output_v1 *, int32_t width,
                       int32_t height) { outputOf(data)->logical.setSize(QSize(width, height)); },
    .done = [](void *, zxdg_output_v1 *) {},
    .name = [](void *, zxdg_output_v1 *, const char *) {},
    .description = [](void *, zxdg_output_v1 *, const char *) {},
};
} // namespace

OutputLayout::~OutputLayout()
{
    while (!m_outputs.empty())
        remove(m_outputs.front().globalName);
    if (m_manager)
        zxdg_output_manager_v1_destroy(m_manager);
}

void OutputLayout::setManager(zxdg_output_manager_v1 *manager)
{
    m_manager = manager;
    for (Output &output : m_outputs)
        watch(output);
}

void OutputLayout::add(uint32_t globalName, wl_output *output)
{
    Output &entry = m_outputs.emplace_back();
    entry.globalName = globalName;
    entry.output = output;
    wl_output_add_listener(output, &outputListener, &entry);
    watch(entry);
}

void OutputLayout::remove(uint32_t globalName)
{
    for (auto it = m_outputs.begin(); it != m_outputs.end(); ++it) {
        if (it->globalName != globalName)
            continue;
        if (it->xdg)
            zxdg_output_v1_destroy(it->xdg);
        if (wl_output_get_version(it->output) >= WL_OUTPUT_RELEASE_SINCE_VERSION)
            wl_output_release(it->output);
        else
            wl_output_destroy(it->output);
        m_outputs.erase(it);
        return;
    }
}

QRect OutputLayout::desktop() const
{
    QRect desktop;
    for (const Output &output : m_outputs) {
        const QRect fromMode(output.position, output.mode / output.scale);
        desktop |= output.logical.isEmpty() ? fromMode : output.logical;
    }
    return desktop;
}

void OutputLayout::watch(Output &output)
{
    if (!m_manager || output.xdg)
        return;
    output.xdg = zxdg_output_manager_v1_get_xdg_output(m_manager, output.output);
    zxdg_output_v1_add_listener(output.xdg, &xdgOutputListener, &output);
}
