#include "wheelgestures.h"

#include "ringleprocess.h"
#include "testsupport.h"

namespace TestSupport {
bool shortcutGesture(RingleProcess &ringle, int dx, int dy)
{
    const QStringList press{QStringLiteral("keydown"), QStringLiteral("ctrl+alt+h")};
    const QStringList release{QStringLiteral("keyup"), QStringLiteral("h"), QStringLiteral("keyup"), QStringLiteral("ctrl+alt")};
    if (!xdotool({QStringLiteral("mousemove"), QString::number(wheelCentre.x()), QString::number(wheelCentre.y())})
        || !xdotool(press))
        return false;
    if (ringle.waitForLine(QStringLiteral("ringle.controller: shortcut down"), 3000).isEmpty()) {
        qWarning("the shortcut's press did not reach the app; pressing again");
        if (!xdotool(release) || !xdotool(press)
            || ringle.waitForLine(QStringLiteral("ringle.controller: shortcut down"), 3000).isEmpty())
            return false;
    }
    return xdotool({QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                    QString::number(dx), QString::number(dy), QStringLiteral("sleep"), QStringLiteral("0.2")})
        && xdotool(release);
}

bool mouseGesture(int dx, int dy)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(wheelCentre.x()), QString::number(wheelCentre.y())})
        && xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl+alt"), QStringLiteral("mousedown"), QStringLiteral("3"),
                    QStringLiteral("sleep"), QStringLiteral("0.3"), QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                    QString::number(dx), QString::number(dy), QStringLiteral("sleep"), QStringLiteral("0.2"),
                    QStringLiteral("mouseup"), QStringLiteral("3"), QStringLiteral("keyup"), QStringLiteral("ctrl+alt")});
}
} // namespace TestSupport
