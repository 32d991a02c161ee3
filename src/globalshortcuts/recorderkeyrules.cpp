#include "globalshortcuts/recorderkeyrules.h"

#include "platform/keyboardlayout.h"

namespace GlobalShortcuts::RecorderKeyRules {

Decision decide(int qtKey, Qt::KeyboardModifiers modifiers, std::optional<Key> key)
{
    if (isModifierKey(qtKey))
        return {Outcome::ignore, std::nullopt};

    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    if (qtKey == Qt::Key_Backtab && held == Qt::ShiftModifier)
        return {Outcome::moveFocus, std::nullopt};
    if (!held) {
        switch (qtKey) {
        case Qt::Key_Tab:
            return {Outcome::moveFocus, std::nullopt};
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return {Outcome::clearShortcut, std::nullopt};
        case Qt::Key_Escape:
            return {Outcome::endRecording, std::nullopt};
        default:
            break;
        }
    }
    const bool hasCommandLikeModifier = held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!hasCommandLikeModifier && !(qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35))
        return {Outcome::reject, std::nullopt};
    if (!key)
        return {Outcome::reject, std::nullopt};
    return {Outcome::candidate, Shortcut{*key, KeyModifiers::fromQt(held)}};
}

} // namespace GlobalShortcuts::RecorderKeyRules
