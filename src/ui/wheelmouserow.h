#pragma once

#include "wheel/wheelmousesettings.h"

#include <QWidget>

class QAbstractButton;
class QComboBox;
class UserDefaults;

// The mouse trigger's row: a toggle per modifier (Ctrl, Alt, Shift, Super) and the button picker,
// both writing "wheelMouseModifiers" and "wheelMouseButton" at once. The right button keeps at least
// one modifier, so it never takes over the ordinary right-click.
class WheelMouseRow final : public QWidget {
    Q_OBJECT
public:
    using Flag = KeyModifiers::Flag;
    static constexpr Flag modifierOrder[] = {Flag::control, Flag::option, Flag::shift, Flag::command};

    explicit WheelMouseRow(UserDefaults &defaults, QWidget *parent = nullptr);

    // The sentence under the row for these settings.
    static QString explanation(const WheelMouseSettings &settings);
    // Whether the flag is the right button's last modifier, which cannot be switched off.
    static bool isLastRequired(const WheelMouseSettings &settings, Flag flag);

    QAbstractButton *modifierToggle(Flag flag) const;
    QComboBox *buttonPicker() const { return m_picker; }

private:
    void setModifier(Flag flag, bool on);
    void chooseButton(WheelMouseSettings::Button button);
    void refresh();

    UserDefaults &m_defaults;
    QList<QAbstractButton *> m_toggles;
    QComboBox *m_picker;
};
