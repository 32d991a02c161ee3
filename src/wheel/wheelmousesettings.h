#pragma once

#include "keys/keymodifiers.h"
#include "platform/settingkey.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// The mouse button and modifier keys that open the wheel while held.
struct WheelMouseSettings {
    enum class Button { off, right, middle, button4, button5 };

    static constexpr Button defaultButton = Button::right;
    static constexpr KeyModifiers defaultModifiers = KeyModifiers::control | KeyModifiers::option;

    static const SettingKey buttonKey;
    static const SettingKey modifiersKey;
    // True for either key, whose change may change the settings.
    static bool isStoredUnder(const QString &key) { return key == buttonKey.name || key == modifiersKey.name; }

    Button button = defaultButton;
    // Control, option, shift and command only.
    KeyModifiers modifiers = defaultModifiers;

    // The stored settings; a missing or unusable value gives its default.
    static WheelMouseSettings current(const UserDefaults &defaults);
    // Stores the modifiers as control 1, option 2, shift 4, command 8 (not the key-combination bits).
    static void storeModifiers(UserDefaults &defaults, KeyModifiers modifiers);
    // The modifiers in the platform's notation with nothing to follow them: "⌃⌥" or "Ctrl+Alt".
    static QString symbols(KeyModifiers modifiers, KeyPlatform platform = currentKeyPlatform());

    static QString rawValue(Button button);
    static std::optional<Button> buttonFromRawValue(const QString &rawValue);
    // The button's number as mouse events count it (right 1, middle 2, button4 3, button5 4); none for off.
    static std::optional<qint64> buttonNumber(Button button);
    static QString title(Button button);
    static QString clickName(Button button);

    // Off, and the plain right button (which keeps its usual meaning), never open the wheel.
    bool isActive() const;
    // The configured button with exactly the configured modifiers (the function modifier aside).
    bool matches(qint64 buttonNumber, KeyModifiers held) const;
    // The hint shown next to the setting, e.g. "hold Ctrl+Alt and right-click"; empty when inactive.
    QString instruction(KeyPlatform platform = currentKeyPlatform()) const;

    friend bool operator==(const WheelMouseSettings &, const WheelMouseSettings &) = default;
};
