#include "globalshortcuts/shortcut.h"

#include "globalshortcuts/modifierflags.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace GlobalShortcuts {
namespace {
std::optional<int> wholeInt(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || d < double(std::numeric_limits<int>::min())
        || d > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return int(d);
}
} // namespace

Shortcut::Shortcut(Key key, quint64 eventFlags)
    : Shortcut(key.rawValue, hotKeyModifiersFromEventFlags(eventFlags), true)
{
}

Shortcut Shortcut::fromCarbon(int keyCode, int hotKeyModifiers)
{
    return Shortcut(keyCode, normalizedHotKeyModifiers(hotKeyModifiers), true);
}

std::optional<Shortcut> Shortcut::fromKeyEvent(KeyEventType type, int keyCode, quint64 eventFlags)
{
    if (type != KeyEventType::keyDown && type != KeyEventType::keyUp)
        return std::nullopt;
    return Shortcut(Key(keyCode), eventFlags & ~EventFlags::function);
}

quint64 Shortcut::modifiers() const
{
    return eventFlagsFromHotKeyModifiers(carbonModifiers);
}

QString Shortcut::toJson() const
{
    return QStringLiteral("{\"carbonKeyCode\":%1,\"carbonModifiers\":%2}").arg(carbonKeyCode).arg(carbonModifiers);
}

std::optional<Shortcut> Shortcut::fromJson(const QString &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const std::optional<int> keyCode = wholeInt(object.value(QLatin1String("carbonKeyCode")));
    const std::optional<int> modifiers = wholeInt(object.value(QLatin1String("carbonModifiers")));
    if (!keyCode || !modifiers)
        return std::nullopt;
    return Shortcut(*keyCode, *modifiers, true);
}

} // namespace GlobalShortcuts
