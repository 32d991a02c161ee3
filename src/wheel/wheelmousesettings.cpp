#include "wheel/wheelmousesettings.h"

#include "platform/userdefaults.h"

#include <QCoreApplication>
#include <limits>

namespace {
constexpr KeyModifiers::Bit storedModifierBits[] = {
    {KeyModifiers::control, 1},
    {KeyModifiers::option, 2},
    {KeyModifiers::shift, 4},
    {KeyModifiers::command, 8},
};

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
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    if (!ok || number < 0
        || quint64(number) != KeyModifiers::fromBits(quint64(number), storedModifierBits).toBits(storedModifierBits))
        return SettingKey::refusal(
            QCoreApplication::translate("SettingKey", "%1 takes a whole number from 0 to 15 (control 1, option 2, "
                                                      "shift 4, command 8, added up), not \"%2\".")
                .arg(key.name, text));
    return {UserDefaults::Value(number), {}};
}
} // namespace

const SettingKey WheelMouseSettings::buttonKey{
    QStringLiteral("wheelMouseButton"), SettingKey::Type::string, rawValue(defaultButton),
    QStringLiteral("The mouse button that opens the wheel while held with the modifier keys."),
    SettingKey::texts(buttons, [](const ButtonInfo &entry) { return QString::fromLatin1(entry.rawValue); })};
const SettingKey WheelMouseSettings::modifiersKey{
    QStringLiteral("wheelMouseModifiers"), SettingKey::Type::integer,
    QString::number(defaultModifiers.toBits(storedModifierBits)),
    QStringLiteral("The modifier keys held with that button: control 1, option 2, shift 4, command 8, added up."),
    {}, &parseModifiers};

QString WheelMouseSettings::symbols(KeyModifiers modifiers, KeyPlatform platform)
{
    QString text = modifiers.symbols(platform);
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
            settings.modifiers = KeyModifiers::fromBits(quint64(*raw), storedModifierBits);
    }
    return settings;
}

void WheelMouseSettings::storeModifiers(UserDefaults &defaults, KeyModifiers modifiers)
{
    defaults.setInt(modifiersKey.name, qint64(modifiers.toBits(storedModifierBits)));
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

bool WheelMouseSettings::matches(qint64 number, KeyModifiers held) const
{
    if (!isActive() || buttonNumber(button) != number)
        return false;
    return held.without(KeyModifiers::function) == modifiers;
}

QString WheelMouseSettings::instruction(KeyPlatform platform) const
{
    if (!isActive())
        return {};
    if (modifiers.isEmpty())
        return clickName(button);
    return QCoreApplication::translate("WheelMouseSettings", "hold %1 and %2")
        .arg(symbols(modifiers, platform), clickName(button));
}
