#include "globalshortcuts/shortcut.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace GlobalShortcuts {
namespace {
constexpr KeyModifiers::Bit macModifierBits[] = {
    {KeyModifiers::control, 0x1000}, {KeyModifiers::option, 0x800},     {KeyModifiers::shift, 0x200},
    {KeyModifiers::command, 0x100},  {KeyModifiers::function, 0x20000},
};

std::optional<qint64> wholeNumber(const QJsonValue &value, qint64 max)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || d < 0 || d > double(max))
        return std::nullopt;
    return qint64(d);
}
} // namespace

QString Shortcut::toJson() const
{
    return QStringLiteral("{\"carbonKeyCode\":%1,\"carbonModifiers\":%2}")
        .arg(key.code)
        .arg(modifiers.toBits(macModifierBits));
}

std::optional<Shortcut> Shortcut::fromJson(const QString &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const std::optional<qint64> macKeyCode = wholeNumber(object.value(QLatin1String("carbonKeyCode")), 0xFFFF);
    const std::optional<qint64> macModifiers =
        wholeNumber(object.value(QLatin1String("carbonModifiers")), std::numeric_limits<int>::max());
    if (!macKeyCode || !macModifiers)
        return std::nullopt;
    return Shortcut{quint16(*macKeyCode), KeyModifiers::fromBits(quint64(*macModifiers), macModifierBits)};
}

} // namespace GlobalShortcuts
