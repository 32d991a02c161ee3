#pragma once

#include "wheel/keymodifiers.h"

#include <QCoreApplication>

// Shorthand shared by the key-combination name and catalogue tables, which translate in one context.
namespace KeyComboTables {
inline QString tr(const char *text)
{
    return QCoreApplication::translate("KeyCombo", text);
}

constexpr int cmd = KeyModifiers::command;
constexpr int opt = KeyModifiers::option;
constexpr int ctrl = KeyModifiers::control;
constexpr int shift = KeyModifiers::shift;
} // namespace KeyComboTables
