#pragma once

#include "platform/keyboardlayout.h"

#include <QHash>

// A keyboard layout for tests: the test says which Qt key is which key and character.
class FakeKeyboardLayout final : public KeyboardLayout {
public:
    void addKey(int qtKey, Key key, const QString &character = QString())
    {
        m_keys.insert(qtKey, key);
        if (!character.isEmpty())
            m_characters.insert(key, character);
    }

    std::optional<Key> keyForKeyPress(const NativeKeyPress &press) const override
    {
        const auto it = m_keys.constFind(press.qtKey);
        return it == m_keys.cend() ? std::nullopt : std::optional<Key>(*it);
    }
    QString characterForKey(Key key) const override { return m_characters.value(key); }

private:
    QHash<int, Key> m_keys;
    QHash<Key, QString> m_characters;
};
