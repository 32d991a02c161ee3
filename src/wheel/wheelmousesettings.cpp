#include "wheel/wheelmousesettings.h"

#include "platform/mousetap.h"
#include "platform/userdefaults.h"
#include "wheel/modifiernotation.h"

#include <QCoreApplication>
#include <limits>

namespace {
struct ButtonInfo {
    WheelMouseSettings::Button button;
    const char *rawValue;
    const char *title;
    const char *clickName;
};

constexpr ButtonInfo buttons[] = {
    {WheelMouseSettings::Button::off, "off", QT_TRANSLATE_NOOP("WheelMouseSettings", "Off"), ""},
    {WheelMouseSettings::Button::right, "right", QT_TRANSLATE_NOOP("WheelMouseSettings", "Right Button"),
     QT_TRANSLATE_NOOP("WheelMouseSettings", "right-click")},
    {WheelMouseSettings::Button::middle, "middle", QT_TRANSLATE_NOOP("WheelMouseSettings", "Middle Button"),
     QT_TRANSLATE_NOOP("WheelMouseSettings", "middle-click")},
    {WheelMouseSettings::Button::button4, "button4", QT_TRANSLATE_NOOP("WheelMouseSettings", "Button 4"),
     QT_TRANSLATE_NOOP("WheelMouseSettings", "press button 4")},
    {WheelMouseSettings::Button::button5, "button5", QT_TRANSLATE_NOOP("WheelMouseSettings", "Button 5"),
     QT_TRANSLATE_NOOP("WheelMouseSettings", "press button 5")},
};

const ButtonInfo &info(WheelMouseSettings::Button button)
{
    return buttons[int(button)];
}

QString tr(const char *text)
{
    return QCoreApplication::translate("WheelMouseSettings", text);
}

SettingKey::Parsed parseModifiers(const SettingKey &key, const QString &text)
{
    using M = WheelMouseSettings::Modifiers;
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    if (!ok || number < 0 || number > (M::control | M::option | M::shift | M::command))
        return SettingKey::refusal(QStringLiteral("%1 takes a whole number from 0 to 15 (control 1, option 2, shift 4, "
                                                  "command 8, added up), not \"%2\".")
                                       .arg(key.name, text));
    return {UserDefaults::Value(number), {}};
}
} // namespace

const SettingKey WheelMouseSettings::buttonKey{
    QStringLiteral("wheelMouseButton"), SettingKey::Type::string, rawValue(defaultButton),
    QStringLiteral("The mouse button that opens the wheel while held with the modifier keys."),
    SettingKey::texts(buttons, [](const ButtonInfo &entry) { return QString::fromLatin1(entry.rawValue); })};
const SettingKey WheelMouseSettings::modifiersKey{
    QStringLiteral("wheelMouseModifiers"), SettingKey::Type::integer, QString::number(defaultModifiers),
    QStringLiteral("The modifier keys held with that button: control 1, option 2, shift 4, command 8, added up."),
    {}, &parseModifiers};

quint64 WheelMouseSettings::Modifiers::eventFlags() const
{
    quint64 flags = 0;
    if (contains(control))
        flags |= MouseTapEvent::controlFlag;
    if (contains(option))
        flags |= MouseTapEvent::optionFlag;
    if (contains(shift))
        flags |= MouseTapEvent::shiftFlag;
    if (contains(command))
        flags |= MouseTapEvent::commandFlag;
    return flags;
}

QString WheelMouseSettings::Modifiers::symbols(KeyPlatform platform) const
{
    // The key-combination notation, so that both settings write modifiers alike.
    int keyBits = 0;
    if (contains(control))
        keyBits |= KeyModifiers::control;
    if (contains(option))
        keyBits |= KeyModifiers::option;
    if (contains(shift))
        keyBits |= KeyModifiers::shift;
    if (contains(command))
        keyBits |= KeyModifiers::command;
    QString text = ModifierNotation::symbols(KeyModifiers(keyBits), platform);
    // Linux notation ends each name with "+" for a key label to follow; here nothing follows.
    if (text.endsWith(QLatin1Char('+')))
        text.chop(1);
    return text;
}

WheelMouseSettings WheelMouseSettings::current(const UserDefaults &defaults)
{
    WheelMouseSettings settings;
    settings.button = *buttonFromRawValue(buttonKey.chosen(defaults));
    if (const std::optional<qint64> raw = defaults.intValue(modifiersKey.name)) {
        // Only the four known bits mean anything; a value outside int is unusable.
        if (*raw >= 0 && *raw <= std::numeric_limits<int>::max())
            settings.modifiers = Modifiers{int(*raw)};
    }
    return settings;
}

QString WheelMouseSettings::rawValue(Button button)
{
    return QString::fromLatin1(info(button).rawValue);
}

std::optional<WheelMouseSettings::Button> WheelMouseSettings::buttonFromRawValue(const QString &rawValue)
{
    for (const ButtonInfo &entry : buttons) {
        if (rawValue == QLatin1String(entry.rawValue))
            return entry.button;
    }
    return std::nullopt;
}

std::optional<qint64> WheelMouseSettings::buttonNumber(Button button)
{
    if (button == Button::off)
        return std::nullopt;
    return qint64(button);
}

QString WheelMouseSettings::title(Button button)
{
    return tr(info(button).title);
}

QString WheelMouseSettings::clickName(Button button)
{
    return button == Button::off ? QString() : tr(info(button).clickName);
}

bool WheelMouseSettings::isActive() const
{
    if (button == Button::off)
        return false;
    return button != Button::right || !modifiers.isEmpty();
}

bool WheelMouseSettings::matches(qint64 number, quint64 flags) const
{
    if (!isActive() || buttonNumber(button) != number)
        return false;
    return (flags & MouseTapEvent::modifierFlags) == modifiers.eventFlags();
}

QString WheelMouseSettings::instruction(KeyPlatform platform) const
{
    if (!isActive())
        return {};
    if (modifiers.isEmpty())
        return clickName(button);
    return QCoreApplication::translate("WheelMouseSettings", "hold %1 and %2")
        .arg(modifiers.symbols(platform), clickName(button));
}
