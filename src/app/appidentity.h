#pragma once

#include <QString>

// Who Ringle is to the desktop: the desktop-file id names the menu entry, the icon in the icon theme,
// the software-centre metadata and the autostart entry; the build defines both values in one place.
namespace AppIdentity {
inline QString desktopId() { return QStringLiteral(RINGLE_DESKTOP_ID); }
inline QString version() { return QStringLiteral(RINGLE_VERSION); }
} // namespace AppIdentity
