#pragma once

#include "platform/settingkey.h"
#include "wheel/keymodifiers.h"
#include "wheel/keyplatform.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// The mouse button and modifier keys that open the wheel while held.
struct WheelMouseSettings {
    enum class Button { off, right, middle, button4, button5 };

    // Not the key-combination bits: control 1, option 2, shift 4, command 8.
    struct Modifiers {
        enum Flag : int { control = 1, option = 2, shift = 4, command = 8 };
        int rawValue = 0;

        constexpr bool contains(Flag flag) const { return (rawValue & flag) == flag; }
        constexpr bool isEmpty() const { return (rawValue & 15) == 0; }
        // The matching modifier flags of a mouse event.
        quint64 eventFlags() const;
        // The set flags in the platform's notation, in the order control, option, shift, command:
        // "⌃⌥" on macOS, "Ctrl+Alt" on Linux.
        QString symbols(KeyPlatform platform = currentKeyPlatform()) const;

        friend constexpr bool operator==(const Modifiers &, const Modifiers &) = default;
    };

    static constexpr Button defaultButton = Button::right;
    static constexpr int defaultModifiers = Modifiers::control | Modifiers::option;

    static const SettingKey buttonKey;
    static const SettingKey modifiersKey;
    // True for either key, whose change may change the settings.
    static bool isStoredUnder(const QString &key) { return key == buttonKey.name || key == modifiersKey.name; }

    Button button = defaultButton;
    Modifiers modifiers{defaultModifiers};

    // The stored settings; a missing or unusable value gives its default.
    static WheelMouseSettings current(const UserDefaults &defaults);

    static QString rawValue(Button button);
    static std::optional<Button> buttonFromRawValue(const QString &rawValue);
    // The button's number as mouse events count it (right 1, middle 2, button4 3, button5 4); none for off.
    static std::optional<qint64> buttonNumber(Button button);
    static QString title(Button button);
    static QString clickName(Button button);

    // Off, and the plain right button (which keeps its usual meaning), never open the wheel.
    bool isActive() const;
    // The configured button with exactly the configured modifiers among shift, control, option and
    // command; Caps Lock and other flags do not count.
    bool matches(qint64 buttonNumber, quint64 flags) const;
    // The hint shown next to the setting, e.g. "hold Ctrl+Alt and right-click"; empty when inactive.
    QString instruction(KeyPlatform platform = currentKeyPlatform()) const;

    friend bool operator==(const WheelMouseSettings &, const WheelMouseSettings &) = default;
};
