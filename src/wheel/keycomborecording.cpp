#include "wheel/keycomborecording.h"

#include "platform/keyboardlayout.h"

namespace KeyComboRecording {
namespace {
constexpr quint16 escapeKeyCode = 53;
constexpr quint16 tabKeyCode = 48;
} // namespace

KeyModifiers modifiers(Qt::KeyboardModifiers held)
{
    KeyModifiers result;
    if (held & Qt::MetaModifier)
        result = result | KeyModifiers::command;
    if (held & Qt::AltModifier)
        result = result | KeyModifiers::option;
    if (held & Qt::ControlModifier)
        result = result | KeyModifiers::control;
    if (held & Qt::ShiftModifier)
        result = result | KeyModifiers::shift;
    return result;
}

Decision decide(int qtKey, Qt::KeyboardModifiers held, std::optional<int> keyCode, const QString &character)
{
    if (isModifierKey(qtKey))
        return {Outcome::wait, std::nullopt};
    const KeyModifiers flags = modifiers(held);
    if (flags.isEmpty()) {
        if (qtKey == Qt::Key_Escape || keyCode == escapeKeyCode)
            return {Outcome::stop, std::nullopt};
        if (qtKey == Qt::Key_Tab || keyCode == tabKeyCode)
            return {Outcome::passOn, std::nullopt};
    }
    if (!keyCode || *keyCode < 0 || *keyCode > 0xFFFF)
        return {Outcome::reject, std::nullopt};
    const auto code = quint16(*keyCode);
    QString label = KeyCombo::specialKeyLabel(code).value_or(character.toUpper());
    if (label.isEmpty())
        label = QStringLiteral("?");
    return {Outcome::record, KeyCombo{QString(), code, flags, label}};
}
} // namespace KeyComboRecording
