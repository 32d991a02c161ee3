#include "wheel/keycombo.h"
#include "wheel/keycombotables.h"

// The built-in catalogue offered in the ring editor's key-combination menu.

namespace {
using namespace KeyComboTables;

struct Entry {
    const char *title;
    quint16 keyCode;
    KeyModifiers modifiers;
    const char *keyLabel; // nullptr: the localised "Space"; otherwise translated when a word
};

struct Group {
    const char *title;
    std::initializer_list<Entry> entries;
};

QList<KeyComboGroup> build(std::initializer_list<Group> groups)
{
    QList<KeyComboGroup> result;
    for (const Group &group : groups) {
        KeyComboGroup built{tr(group.title), {}};
        for (const Entry &e : group.entries) {
            const QString label = e.keyLabel ? tr(e.keyLabel) : QCoreApplication::translate("KeyCombo", "Space");
            built.combos.append(KeyCombo{tr(e.title), e.keyCode, e.modifiers, label});
        }
        result.append(built);
    }
    return result;
}

QList<KeyComboGroup> macCatalogue()
{
    return build({
        {QT_TRANSLATE_NOOP("KeyCombo", "Editing"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "Paste and Match Style"), 9, opt | shift | cmd, "V"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Undo"), 6, cmd, "Z"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Redo"), 6, shift | cmd, "Z"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Select All"), 0, cmd, "A"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Find"), 3, cmd, "F"},
         }},
        {QT_TRANSLATE_NOOP("KeyCombo", "Formatting"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "Bold"), 11, cmd, "B"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Italic"), 34, cmd, "I"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Underline"), 32, cmd, "U"},
         }},
        {QT_TRANSLATE_NOOP("KeyCombo", "Screenshot"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "Screenshot: Entire Screen"), 20, shift | cmd, "3"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Screenshot: Selection"), 21, shift | cmd, "4"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Screenshot Tool"), 23, shift | cmd, "5"},
         }},
        {QT_TRANSLATE_NOOP("KeyCombo", "Windows and Apps"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "New Tab"), 17, cmd, "T"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Close Window"), 13, cmd, "W"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Minimize"), 46, cmd, "M"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Hide App"), 4, cmd, "H"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Force Quit"), 53, opt | cmd, "⎋"},
         }},
        {QT_TRANSLATE_NOOP("KeyCombo", "System"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "Spotlight"), 49, cmd, nullptr},
             {QT_TRANSLATE_NOOP("KeyCombo", "Emoji & Symbols"), 49, ctrl | cmd, nullptr},
             {QT_TRANSLATE_NOOP("KeyCombo", "Lock Screen"), 12, ctrl | cmd, "Q"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Mission Control"), 126, ctrl, "↑"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Desktop to the Left"), 123, ctrl, "←"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Desktop to the Right"), 124, ctrl, "→"},
         }},
    });
}

// The same groups as they are reached on common X11 desktops (GNOME, KDE Plasma, Xfce, Cinnamon).
// 105 is the F13 position, where PC keyboards have Print Screen; 55 is the Super (Command) key.
QList<KeyComboGroup> linuxCatalogue()
{
    return build({
        {QT_TRANSLATE_NOOP("KeyCombo", "Editing"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "Paste and Match Style"), 9, ctrl | shift, "V"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Undo"), 6, ctrl, "Z"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Redo"), 6, ctrl | shift, "Z"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Select All"), 0, ctrl, "A"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Find"), 3, ctrl, "F"},
         }},
        {QT_TRANSLATE_NOOP("KeyCombo", "Formatting"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "Bold"), 11, ctrl, "B"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Italic"), 34, ctrl, "I"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Underline"), 32, ctrl, "U"},
         }},
        {QT_TRANSLATE_NOOP("KeyCombo", "Screenshot"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "Screenshot: Entire Screen"), 105, none, QT_TRANSLATE_NOOP("KeyCombo", "Print")},
             {QT_TRANSLATE_NOOP("KeyCombo", "Screenshot: Selection"), 105, shift, QT_TRANSLATE_NOOP("KeyCombo", "Print")},
             {QT_TRANSLATE_NOOP("KeyCombo", "Screenshot: Window"), 105, opt, QT_TRANSLATE_NOOP("KeyCombo", "Print")},
         }},
        {QT_TRANSLATE_NOOP("KeyCombo", "Windows and Apps"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "New Tab"), 17, ctrl, "T"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Close Window"), 118, opt, "F4"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Minimize"), 4, cmd, "H"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Show Desktop"), 2, cmd, "D"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Force Quit"), 53, ctrl | opt, QT_TRANSLATE_NOOP("KeyCombo", "Esc")},
         }},
        {QT_TRANSLATE_NOOP("KeyCombo", "System"),
         {
             {QT_TRANSLATE_NOOP("KeyCombo", "Application Launcher"), 55, none, QT_TRANSLATE_NOOP("KeyCombo", "Super")},
             {QT_TRANSLATE_NOOP("KeyCombo", "Emoji & Symbols"), 47, ctrl, "."},
             {QT_TRANSLATE_NOOP("KeyCombo", "Lock Screen"), 37, cmd, "L"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Switch Windows"), 48, opt, QT_TRANSLATE_NOOP("KeyCombo", "Tab")},
             {QT_TRANSLATE_NOOP("KeyCombo", "Desktop to the Left"), 123, ctrl | opt, "←"},
             {QT_TRANSLATE_NOOP("KeyCombo", "Desktop to the Right"), 124, ctrl | opt, "→"},
         }},
    });
}
} // namespace

QList<KeyComboGroup> KeyCombo::presetGroups(KeyPlatform platform)
{
    return platform == KeyPlatform::mac ? macCatalogue() : linuxCatalogue();
}

const QList<KeyComboGroup> &KeyCombo::presetGroups()
{
    static const QList<KeyComboGroup> groups = presetGroups(currentKeyPlatform());
    return groups;
}
