#pragma once

#include "wheel/keymodifiers.h"
#include "wheel/keyplatform.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

struct KeyComboGroup;

// A key plus modifier keys that a slot posts to the application in front. Key codes are macOS
// virtual key codes on every platform (the X11 backend maps them to keysyms when posting).
struct KeyCombo {
    QString title;
    quint16 keyCode = 0;
    KeyModifiers modifiers;
    QString keyLabel;

    // Modifier symbols followed by the key label, e.g. "⌥⇧⌘V" or "Ctrl+Shift+V".
    QString shortcutText() const;

    // The short name drawn on the wheel: a shorter name for six well-known catalogue entries
    // (recognised by key code and exact modifiers, not by title), otherwise `title`.
    QString wheelTitle() const { return wheelTitle(currentKeyPlatform()); }
    QString wheelTitle(KeyPlatform platform) const;

    // Label for keys that type no character (Return, arrows, F1…), or none.
    static std::optional<QString> specialKeyLabel(quint16 keyCode)
    {
        return specialKeyLabel(keyCode, currentKeyPlatform());
    }
    static std::optional<QString> specialKeyLabel(quint16 keyCode, KeyPlatform platform);

    // The built-in catalogue of this platform, built once (on first use) with localised titles.
    static const QList<KeyComboGroup> &presetGroups();
    // The catalogue as it reads on the given platform, built afresh.
    static QList<KeyComboGroup> presetGroups(KeyPlatform platform);

    // JSON object with "title", "keyCode", "modifiers", "keyLabel"; all required when reading.
    QJsonObject toJson() const;
    // Throws JsonDecodeError.
    static KeyCombo fromJson(const QJsonValue &value);

    bool operator==(const KeyCombo &) const = default;
};

size_t qHash(const KeyCombo &combo, size_t seed = 0) noexcept;

// A section of the built-in catalogue.
struct KeyComboGroup {
    QString title;
    QList<KeyCombo> combos;

    bool operator==(const KeyComboGroup &) const = default;
};

