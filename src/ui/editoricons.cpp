#include "ui/editoricons.h"

#include "ui/appicons.h"
#include "ui/symbolicons.h"

#include <QWidget>

namespace EditorIcons {
QIcon symbol(SymbolIcons &icons, const QString &name, const QWidget &widget, int size)
{
    const QColor color = widget.palette().color(QPalette::WindowText);
    return QIcon(icons.pixmap(name, size, color, widget.devicePixelRatioF()));
}

QIcon app(AppIcons &appIcons, SymbolIcons &icons, const QString &appId, const QWidget &widget)
{
    const QIcon own = appIcons.icon(appId);
    if (!own.isNull())
        return own;
    const QIcon generic = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    return generic.isNull() ? symbol(icons, QStringLiteral("app"), widget) : generic;
}
} // namespace EditorIcons
