#include "globalshortcuts/shortcutpresentation.h"

#include "globalshortcuts/specialkey.h"
#include "platform/keyboardlayout.h"

#include <QCoreApplication>

namespace GlobalShortcuts {
namespace {
QString layoutCharacter(Key key, const KeyboardLayout &layout)
{
    const QString character = layout.characterForKey(key);
    return character.size() == 1 ? character : QString();
}
} // namespace

QString presentableText(const Shortcut &shortcut, const KeyboardLayout &layout)
{
    QString text = shortcut.modifiers.symbols();
    if (shortcut.modifiers.contains(KeyModifiers::function))
        text += QCoreApplication::translate("GlobalShortcuts", "Fn") + QLatin1Char('+');

    if (const std::optional<QString> label = SpecialKeys::label(shortcut.key))
        return text + *label;
    const QString character = layoutCharacter(shortcut.key, layout);
    return text + (character.isEmpty() ? QString(QChar(0xFFFD)) : character.toUpper());
}

std::optional<QKeyCombination> menuKeyCombination(const Shortcut &shortcut, const KeyboardLayout &layout)
{
    const Qt::KeyboardModifiers modifiers = shortcut.modifiers.toQt();
    if (SpecialKeys::isSpecial(shortcut.key)) {
        const std::optional<int> qtKey = SpecialKeys::menuQtKey(shortcut.key);
        if (!qtKey)
            return std::nullopt;
        return QKeyCombination(modifiers, Qt::Key(*qtKey));
    }
    const QString character = layoutCharacter(shortcut.key, layout);
    if (character.isEmpty())
        return std::nullopt;
    // Qt names a character key by its upper-case code point.
    return QKeyCombination(modifiers, Qt::Key(character.toUpper().at(0).unicode()));
}

} // namespace GlobalShortcuts
