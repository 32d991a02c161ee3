#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

struct KeyComboGroup;

// A key plus modifier keys that a slot posts to the application in front.
struct KeyCombo {
    QString title;
    Key key;
    KeyModifiers modifiers;
    QString keyLabel;

    // Modifier symbols followed by the key label, e.g. "⌥⇧⌘V" or "Ctrl+Shift+V".
    QString shortcutText() const;

    // The short name drawn on the wheel: a shorter name for six well-known catalogue entries
    // (recognised by key code and exact modifiers, not by title), otherwise `title`.
    QString wheelTitle() const { return wheelTitle(currentKeyPlatform()); }
    QString wheelTitle(KeyPlatform platform) const;

    // Label for keys that type no character (Return, arrows, F1…), or none.
    static std::optional<QString> specialKeyLabel(Key key, KeyPlatform platform = currentKeyPlatform());

    // The built-in catalogue of this platform, built once (on first use) with localised titles.
    static const QList<KeyComboGroup> &presetGroups();
    // The catalogue as it reads on the given platform, built afresh.
    static QList<KeyComboGroup> presetGroups(KeyPlatform platform);

    // JSON object with "title", "keyCode", "modifiers", "keyLabel"; all required when reading.
    // "modifiers" holds command 1, option 2, control 4, shift 8; other bits are dropped.
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

