#pragma once

#include <QIcon>
#include <QString>

class AppIcons;
class QWidget;
class SymbolIcons;

// Icons of the wheel editor's rows, menus and buttons.
namespace EditorIcons {
// A symbol drawn in the widget's text colour, 16 points unless said.
QIcon symbol(SymbolIcons &icons, const QString &name, const QWidget &widget, int size = 16);
// The application's own icon, or the theme's generic application icon, or the "app" symbol.
QIcon app(AppIcons &appIcons, SymbolIcons &icons, const QString &appId, const QWidget &widget);
} // namespace EditorIcons
