#include "globalshortcuts/specialkey.h"

#include "globalshortcuts/recordertexts.h"
#include "wheel/keycombo.h"

#include <QCoreApplication>

namespace GlobalShortcuts::SpecialKeys {
namespace {
struct Entry {
    quint16 keyCode;
    int qtKey; // 0: menus never match it
    // Only for keys the key-combination labels do not name; they come first.
    const char *label = nullptr;
};

// The help key sits where PC keyboards have Insert, and F13 where they have Print; the X11 backend
// maps them to those keys, so they carry those names.
constexpr Entry entries[] = {
    {36, Qt::Key_Return},     {51, Qt::Key_Backspace}, {117, Qt::Key_Delete},    {119, Qt::Key_End},
    {53, Qt::Key_Escape},     {114, Qt::Key_Insert, QT_TRANSLATE_NOOP("GlobalShortcuts", "Insert")},
    {115, Qt::Key_Home},      {49, Qt::Key_Space},     {48, Qt::Key_Tab},        {116, Qt::Key_PageUp},
    {121, Qt::Key_PageDown},  {126, Qt::Key_Up},       {124, Qt::Key_Right},     {125, Qt::Key_Down},
    {123, Qt::Key_Left},
    {122, Qt::Key_F1},        {120, Qt::Key_F2},       {99, Qt::Key_F3},         {118, Qt::Key_F4},
    {96, Qt::Key_F5},         {97, Qt::Key_F6},        {98, Qt::Key_F7},         {100, Qt::Key_F8},
    {101, Qt::Key_F9},        {109, Qt::Key_F10},      {103, Qt::Key_F11},       {111, Qt::Key_F12},
    {105, Qt::Key_Print},     {107, Qt::Key_F14, "F14"}, {113, Qt::Key_F15, "F15"}, {106, Qt::Key_F16, "F16"},
    {64, Qt::Key_F17, "F17"}, {79, Qt::Key_F18, "F18"}, {80, Qt::Key_F19, "F19"}, {90, Qt::Key_F20, "F20"},
    {82, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 0")}, {83, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 1")},
    {84, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 2")}, {85, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 3")},
    {86, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 4")}, {87, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 5")},
    {88, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 6")}, {89, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 7")},
    {91, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 8")}, {92, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num 9")},
    {71, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Clear")},
    {65, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num .")}, {75, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num /")},
    {76, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num Enter")}, {81, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num =")},
    {78, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num -")}, {67, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num *")},
    {69, 0, QT_TRANSLATE_NOOP("GlobalShortcuts", "Num +")},
};

const Entry *find(Key key)
{
    for (const Entry &entry : entries) {
        if (entry.keyCode == key.code)
            return &entry;
    }
    return nullptr;
}
} // namespace

bool isSpecial(Key key)
{
    return find(key) != nullptr;
}

std::optional<QString> label(Key key)
{
    const Entry *entry = find(key);
    if (!entry)
        return std::nullopt;
    if (key == Key::space)
        return RecorderTexts::text("space_key");
    if (entry->label)
        return QCoreApplication::translate("GlobalShortcuts", entry->label);
    return KeyCombo::specialKeyLabel(key);
}

std::optional<int> menuQtKey(Key key)
{
    const Entry *entry = find(key);
    if (!entry || entry->qtKey == 0)
        return std::nullopt;
    return entry->qtKey;
}

} // namespace GlobalShortcuts::SpecialKeys
