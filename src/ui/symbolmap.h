#pragma once

#include <QString>
#include <QStringList>

// Which icon of the bundled icon set draws a stored symbol name.
namespace SymbolMap {
// A generic shape for names the table does not know.
inline constexpr const char fallbackIcon[] = "shapes";

// The icon's file name without ".svg" in the ":/symbols/" resource folder.
QString iconName(const QString &symbol);
bool isMapped(const QString &symbol);
QStringList mappedSymbols();
} // namespace SymbolMap
