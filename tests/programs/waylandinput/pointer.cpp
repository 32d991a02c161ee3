#include "pointer.h"

#include "inputroad.h"
#include "outputs.h"

#include <QString>

namespace {
struct Button {
    const char *number;
    const char *name;
    uint32_t code;
};
// evdev BTN_LEFT and on.
constexpr Button buttons[] = {
    {"1", "left", 0x110}, {"2", "middle", 0x112}, {"3", "right", 0x111}, {"4", "side", 0x113}, {"5", "extra", 0x114},
};
} // namespace

VirtualPointer::VirtualPointer(InputRoad &road, const OutputLayout &layout)
    : m_road(road)
    , m_layout(layout)
{}

std::optional<uint32_t> VirtualPointer::buttonCode(const QByteArray &name)
{
    const QByteArray lower = name.toLower();
    for (const Button &button : buttons) {
        if (lower == button.number || lower == button.name)
            return button.code;
    }
    if (lower == "back")
        return 0x113;
    if (lower == "forward")
        return 0x114;
    return std::nullopt;
}

QByteArray VirtualPointer::moveTo(int x, int y)
{
    const QRect desktop = m_layout.desktop();
    if (desktop.isEmpty())
        return "no output is known";
    if (!desktop.contains(x, y)) {
        return QString::asprintf("%d,%d is off the desktop, which is %dx%d at %d,%d", x, y, desktop.width(),
                                 desktop.height(), desktop.x(), desktop.y())
            .toUtf8();
    }
    m_road.moveTo(QPoint(x, y));
    return {};
}

void VirtualPointer::moveBy(double dx, double dy)
{
    m_road.moveBy(QPointF(dx, dy));
}

void VirtualPointer::press(uint32_t code)
{
    if (m_held.contains(code))
        return;
    m_held.append(code);
    m_road.button(code, true);
}

void VirtualPointer::release(uint32_t code)
{
    if (m_held.removeOne(code))
        m_road.button(code, false);
}

void VirtualPointer::releaseAll()
{
    while (!m_held.isEmpty())
        release(m_held.last());
}

void VirtualPointer::scroll(int steps)
{
    m_road.scroll(steps);
}
