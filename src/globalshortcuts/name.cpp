#include "globalshortcuts/name.h"

#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

namespace GlobalShortcuts {
namespace {
SettingKey::Parsed parseShortcut(const SettingKey &key, const QString &text)
{
    if (text.trimmed() == QLatin1String("false"))
        return {UserDefaults::Value(false), {}};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    const QString example = Name::actionWheel().defaultShortcut->toJson();
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return SettingKey::refusal(
            QCoreApplication::translate("SettingKey", "%1 takes false (no shortcut) or JSON such as %2, not \"%3\".")
                .arg(key.name, example, text));
    try {
        const QJsonObject object = document.object();
        JsonFields::integer(object, "carbonKeyCode", 0, 0xFFFF);
        // The registry reads both members as int; a larger value would be stored and then ignored.
        JsonFields::integer(object, "carbonModifiers", 0, std::numeric_limits<int>::max());
        return {UserDefaults::Value(Shortcut::fromJson(text)->toJson()), {}};
    } catch (const JsonDecodeError &error) {
        return SettingKey::refusal(
            QCoreApplication::translate("SettingKey", "%1 takes false (no shortcut) or JSON such as %2: %3")
                .arg(key.name, example, error.message()));
    }
}
} // namespace

Name Name::actionWheel()
{
    return Name(QStringLiteral("actionWheel"), Shortcut{Key::h, KeyModifiers::control | KeyModifiers::option});
}

SettingKey Name::settingKey() const
{
    return {defaultsKey(), SettingKey::Type::shortcut, defaultShortcut ? defaultShortcut->toJson() : QStringLiteral("none"),
            QStringLiteral("The keyboard shortcut of \"%1\".").arg(rawValue), {}, &parseShortcut};
}
} // namespace GlobalShortcuts
