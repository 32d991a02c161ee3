#pragma once

#include <QColor>

namespace RingleColors {
// The accent: 242, 107, 51.
inline QColor orange()
{
    return QColor::fromRgbF(0.9490196078431372f, 0.4196078431372549f, 0.2f, 1.0f);
}
} // namespace RingleColors
