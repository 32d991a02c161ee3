#pragma once

#include "keys/keymodifiers.h"

#include <QCoreApplication>

// Shorthand shared by the key-combination name and catalogue tables, which translate in one context.
namespace KeyComboTables {
inline QString tr(const char *text)
{
    return QCoreApplication::translate("KeyCombo", text);
}

constexpr KeyModifiers none;
constexpr KeyModifiers cmd = KeyModifiers::command;
constexpr KeyModifiers opt = KeyModifiers::option;
constexpr KeyModifiers ctrl = KeyModifiers::control;
constexpr KeyModifiers shift = KeyModifiers::shift;
} // namespace KeyComboTables
