#pragma once

#include "platform/keyboardlayout.h"

#include <QHash>

// A keyboard layout for tests: the test says which Qt key is which virtual key code and character.
class FakeKeyboardLayout final : public KeyboardLayout {
public:
    void addKey(int qtKey, int keyCode, const QString &character = QString())
    {
        m_keyCodes.insert(qtKey, keyCode);
        if (!character.isEmpty())
            m_characters.insert(keyCode, character);
    }

    std::optional<int> keyCodeForKeyPress(const NativeKeyPress &press) const override
    {
        const auto it = m_keyCodes.constFind(press.qtKey);
        return it == m_keyCodes.cend() ? std::nullopt : std::optional<int>(*it);
    }
    QString characterForKeyCode(int keyCode) const override { return m_characters.value(keyCode); }

private:
    QHash<int, int> m_keyCodes;
    QHash<int, QString> m_characters;
};
