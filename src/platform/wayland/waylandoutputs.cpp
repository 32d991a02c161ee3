#include "platform/wayland/waylandoutputs.h"

#include "platform/wayland/waylandconnection.h"

#include "xdg-output-unstable-v1-client-protocol.h"

#include <wayland-client.h>

namespace {
constexpr quint32 outputVersion = 4;
constexpr quint32 xdgOutputVersion = 3;

void geometry(void *data, wl_output *, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char *, const char *, int32_t)
{
    static_cast<WaylandOutputs::Output *>(data)->physicalPosition = QPoint(x, y);
}

void mode(void *data, wl_output *, uint32_t flags, int32_t width, int32_t height, int32_t)
{
    if (flags & WL_OUTPUT_MODE_CURRENT)
        static_cast<WaylandOutputs::Output *>(data)->modeSize = QSize(width, height);
}

void scale(void *data, wl_output *, int32_t factor)
{
    static_cast<WaylandOutputs::Output *>(data)->scale = factor > 0 ? factor : 1;
}

void name(void *data, wl_output *, const char *text)
{
    static_cast<WaylandOutputs::Output *>(data)->name = QString::fromUtf8(text);
}

void description(void *, wl_output *, const char *) {}

void logicalPosition(void *data, zxdg_output_v1 *, int32_t x, int32_t y)
{
    static_cast<WaylandOutputs::Output *>(data)->pendingGeometry.moveTopLeft(QPoint(x, y));
}

void logicalSize(void *data, zxdg_output_v1 *, int32_t width, int32_t height)
{
    static_cast<WaylandOutputs::Output *>(data)->pendingGeometry.setSize(QSize(width, height));
}

void xdgDone(void *, zxdg_output_v1 *) {}

void xdgName(void *data, zxdg_output_v1 *, const char *text)
{
    auto *output = static_cast<WaylandOutputs::Output *>(data);
    if (output->name.isEmpty())
        output->name = QString::fromUtf8(text);
}

void xdgDescription(void *, zxdg_output_v1 *, const char *) {}

const zxdg_output_v1_listener xdgOutputListener = {
    .logical_position = logicalPosition,
    .logical_size = logicalSize,
    .done = xdgDone,
    .name = xdgName,
    .description = xdgDescription,
};

void done(void *data, wl_output *)
{
    auto *output = static_cast<WaylandOutputs::Output *>(data);
    output->owner->outputDone(output);
}

const wl_output_listener outputListener = {
    .geometry = geometry,
    .mode = mode,
    .done = done,
    .scale = scale,
    .name = name,
    .description = description,
};
} // namespace

WaylandOutputs::WaylandOutputs(WaylandConnection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
{
    m_xdgOutputs = static_cast<zxdg_output_manager_v1 *>(
        connection.bind(&zxdg_output_manager_v1_interface, xdgOutputVersion, 2));
    for (const WaylandConnection::Global &g : connection.globals()) {
        if (g.interface == wl_output_interface.name)
            add(g.name, g.version);
    }
    connect(&connection, &WaylandConnection::globalAdded, this, [this](const WaylandConnection::Global &g) {
        if (g.interface == wl_output_interface.name)
            add(g.name, g.version);
    });
    connect(&connection, &WaylandConnection::globalRemoved, this, &WaylandOutputs::remove);
    // The outputs' first descriptions, so the desktop's layout is known from the start.
    connection.roundtrip();
}

WaylandOutputs::~WaylandOutputs()
{
    for (const std::shared_ptr<Output> &o : std::as_const(m_outputs)) {
        if (o->xdgOutput)
            zxdg_output_v1_destroy(o->xdgOutput);
        if (wl_output_get_version(o->output) >= 3)
            wl_output_release(o->output);
        else
            wl_output_destroy(o->output);
    }
    if (m_xdgOutputs)
        zxdg_output_manager_v1_destroy(m_xdgOutputs);
}

void WaylandOutputs::add(quint32 name, quint32 version)
{
    auto output = std::make_shared<Output>();
    output->owner = this;
    output->globalName = name;
    output->output = static_cast<wl_output *>(
        m_connection.bindName(name, &wl_output_interface, std::min(version, outputVersion)));
    wl_output_add_listener(output->output, &outputListener, output.get());
    watchLogical(*output);
    m_outputs.append(output);
}

void WaylandOutputs::watchLogical(Output &output)
{
    if (!m_xdgOutputs)
        return;
    output.xdgOutput = zxdg_output_manager_v1_get_xdg_output(m_xdgOutputs, output.output);
    zxdg_output_v1_add_listener(output.xdgOutput, &xdgOutputListener, &output);
}

void WaylandOutputs::remove(quint32 name)
{
    for (qsizetype i = 0; i < m_outputs.size(); ++i) {
        const std::shared_ptr<Output> &o = m_outputs.at(i);
        if (o->globalName != name)
            continue;
        if (o->xdgOutput)
            zxdg_output_v1_destroy(o->xdgOutput);
        wl_output_destroy(o->output);
        m_outputs.removeAt(i);
        Q_EMIT changed();
        return;
    }
}

void WaylandOutputs::outputDone(Output *output)
{
    QRect geometry = output->pendingGeometry;
    if (!m_xdgOutputs || geometry.isEmpty()) {
        // Without logical sizes the mode in pixels, divided by the scale, is the best guess.
        geometry = QRect(output->physicalPosition, output->modeSize / output->scale);
    }
    output->geometry = geometry;
    output->ready = !geometry.isEmpty();
    Q_EMIT changed();
}

QList<const WaylandOutputs::Output *> WaylandOutputs::outputs() const
{
    QList<const Output *> result;
    for (const std::shared_ptr<Output> &o : m_outputs) {
        if (o->ready)
            result.append(o.get());
    }
    return result;
}

const WaylandOutputs::Output *WaylandOutputs::find(wl_output *output) const
{
    for (const std::shared_ptr<Output> &o : m_outputs) {
        if (o->output == output)
            return o.get();
    }
    return nullptr;
}

const WaylandOutputs::Output *WaylandOutputs::at(QPoint point) const
{
    const Output *nearest = nullptr;
    qint64 best = 0;
    for (const Output *o : outputs()) {
        if (o->geometry.contains(point))
            return o;
        const QPoint inside(std::clamp(point.x(), o->geometry.left(), o->geometry.right()),
                            std::clamp(point.y(), o->geometry.top(), o->geometry.bottom()));
        const qint64 distance = qint64((inside - point).manhattanLength());
        if (!nearest || distance < best) {
            nearest = o;
            best = distance;
        }
    }
    return nearest;
}
