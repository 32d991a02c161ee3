#include "wheel/wheelgeometry.h"

#include <QCoreApplication>
#include <cmath>

namespace WheelGeometry {
namespace {
double circularDistance(double a, double b)
{
    const double r = std::fmod(std::abs(a - b), 360.0);
    return std::min(r, 360.0 - r);
}
} // namespace

double slotCenter(int slot, int count)
{
    if (count == 2)
        return slot == 0 ? 270.0 : 90.0;
    if (count < 1)
        return 0.0;
    return slot * 360.0 / count;
}

int slot(double angle, int count)
{
    if (count < 2)
        return 0;
    int best = 0;
    double bestDistance = circularDistance(angle, slotCenter(0, count));
    for (int k = 1; k < count; ++k) {
        const double d = circularDistance(angle, slotCenter(k, count));
        if (d < bestDistance) {
            best = k;
            bestDistance = d;
        }
    }
    return best;
}

QString positionName(int slot, int count)
{
    if (count == 1)
        return QCoreApplication::translate("WheelGeometry", "Whole ring");
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("WheelGeometry", "Top"),
        QT_TRANSLATE_NOOP("WheelGeometry", "Top right"),
        QT_TRANSLATE_NOOP("WheelGeometry", "Right"),
        QT_TRANSLATE_NOOP("WheelGeometry", "Bottom right"),
        QT_TRANSLATE_NOOP("WheelGeometry", "Bottom"),
        QT_TRANSLATE_NOOP("WheelGeometry", "Bottom left"),
        QT_TRANSLATE_NOOP("WheelGeometry", "Left"),
        QT_TRANSLATE_NOOP("WheelGeometry", "Top left"),
    };
    const long octant = std::lround(slotCenter(slot, count) / 45.0);
    const long index = ((octant % 8) + 8) % 8;
    return QCoreApplication::translate("WheelGeometry", names[index]);
}
} // namespace WheelGeometry
