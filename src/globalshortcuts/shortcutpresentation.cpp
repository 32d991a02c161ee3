#include "globalshortcuts/shortcutpresentation.h"

#include "globalshortcuts/modifierflags.h"
#include "globalshortcuts/specialkey.h"
#include "platform/keyboardlayout.h"
#include "wheel/modifiernotation.h"

#include <QCoreApplication>

namespace GlobalShortcuts {
namespace {
struct QtModifier {
    int hotKeyBit;
    Qt::KeyboardModifier qt;
    KeyModifiers::Flag keyModifier;
};

constexpr QtModifier qtModifiers[] = {
    {HotKeyModifiers::control, Qt::ControlModifier, KeyModifiers::control},
    {HotKeyModifiers::option, Qt::AltModifier, KeyModifiers::option},
    {HotKeyModifiers::shift, Qt::ShiftModifier, KeyModifiers::shift},
    {HotKeyModifiers::command, Qt::MetaModifier, KeyModifiers::command},
};

QString layoutCharacter(int keyCode, const KeyboardLayout &layout)
{
    const QString character = layout.characterForKeyCode(keyCode);
    return character.size() == 1 ? character : QString();
}
} // namespace

QString presentableText(const Shortcut &shortcut, const KeyboardLayout &layout)
{
    KeyModifiers keyModifiers;
    for (const QtModifier &modifier : qtModifiers) {
        if (shortcut.carbonModifiers & modifier.hotKeyBit)
            keyModifiers = keyModifiers | modifier.keyModifier;
    }
    QString text = ModifierNotation::symbols(keyModifiers, ModifierNotation::current());
    if (shortcut.carbonModifiers & HotKeyModifiers::function)
        text += QCoreApplication::translate("GlobalShortcuts", "Fn") + QLatin1Char('+');

    if (const std::optional<QString> label = SpecialKeys::label(shortcut.carbonKeyCode))
        return text + *label;
    const QString character = layoutCharacter(shortcut.carbonKeyCode, layout);
    return text + (character.isEmpty() ? QString(QChar(0xFFFD)) : character.toUpper());
}

std::optional<QKeyCombination> menuKeyCombination(const Shortcut &shortcut, const KeyboardLayout &layout)
{
    Qt::KeyboardModifiers modifiers;
    for (const QtModifier &modifier : qtModifiers) {
        if (shortcut.carbonModifiers & modifier.hotKeyBit)
            modifiers |= modifier.qt;
    }
    if (SpecialKeys::isSpecial(shortcut.carbonKeyCode)) {
        const std::optional<int> qtKey = SpecialKeys::menuQtKey(shortcut.carbonKeyCode);
        if (!qtKey)
            return std::nullopt;
        return QKeyCombination(modifiers, Qt::Key(*qtKey));
    }
    const QString character = layoutCharacter(shortcut.carbonKeyCode, layout);
    if (character.isEmpty())
        return std::nullopt;
    // Qt names a character key by its upper-case code point.
    return QKeyCombination(modifiers, Qt::Key(character.toUpper().at(0).unicode()));
}

int hotKeyModifiersFromQt(Qt::KeyboardModifiers modifiers)
{
    int result = 0;
    for (const QtModifier &modifier : qtModifiers) {
        if (modifiers & modifier.qt)
            result |= modifier.hotKeyBit;
    }
    return result;
}

} // namespace GlobalShortcuts
