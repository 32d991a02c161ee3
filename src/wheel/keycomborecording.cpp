#include "wheel/keycomborecording.h"

#include "platform/keyboardlayout.h"

namespace KeyComboRecording {
Decision decide(int qtKey, Qt::KeyboardModifiers held, std::optional<Key> key, const QString &character)
{
    if (isModifierKey(qtKey))
        return {Outcome::wait, std::nullopt};
    const KeyModifiers modifiers = KeyModifiers::fromQt(held);
    if (modifiers.isEmpty()) {
        if (qtKey == Qt::Key_Escape || key == Key::escape)
            return {Outcome::stop, std::nullopt};
        if (qtKey == Qt::Key_Tab || key == Key::tab)
            return {Outcome::passOn, std::nullopt};
    }
    if (!key)
        return {Outcome::reject, std::nullopt};
    QString label = KeyCombo::specialKeyLabel(*key).value_or(character.toUpper());
    if (label.isEmpty())
        label = QStringLiteral("?");
    return {Outcome::record, KeyCombo{QString(), *key, modifiers, label}};
}
} // namespace KeyComboRecording
