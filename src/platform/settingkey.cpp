#include "platform/settingkey.h"

// Keys are defined at namespace scope in other files, so nothing here may rely on such a definition.
namespace {
QString trueText()
{
    return QStringLiteral("true");
}
QString falseText()
{
    return QStringLiteral("false");
}
} // namespace

SettingKey SettingKey::flag(QString name, bool fallback, QString description)
{
    return {std::move(name), Type::boolean, fallback ? trueText() : falseText(), std::move(description)};
}

SettingKey SettingKey::choice(QString name, QStringList choices, QString fallback, QString description)
{
    return {std::move(name), Type::string, std::move(fallback), std::move(description), std::move(choices)};
}

bool SettingKey::isOn(const UserDefaults &defaults) const
{
    return defaults.boolValue(name).value_or(defaultText == trueText());
}

QString SettingKey::chosen(const UserDefaults &defaults) const
{
    const std::optional<QString> stored = defaults.stringValue(name);
    return stored && choices.contains(*stored) ? *stored : defaultText;
}

SettingKey::Parsed SettingKey::parse(const QString &text) const
{
    if (parseText)
        return parseText(*this, text);
    if (type == Type::boolean) {
        const QString lower = text.trimmed().toLower();
        if (lower == trueText() || lower == falseText())
            return {UserDefaults::Value(lower == trueText()), {}};
        return refusal(QStringLiteral("%1 takes true or false, not \"%2\".").arg(name, text));
    }
    if (choices.isEmpty())
        return {UserDefaults::Value(text), {}};
    // Stored texts are case-sensitive ("lmStudio"); a differently cased entry is taken as the one it names.
    for (const QString &choice : choices) {
        if (choice.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return {UserDefaults::Value(choice), {}};
    }
    return refusal(QStringLiteral("%1 takes one of %2, not \"%3\".").arg(name, choices.join(QStringLiteral(", ")), text));
}

bool SettingKey::holdsReadableType(const UserDefaults::Value &value) const
{
    switch (type) {
    case Type::boolean:
        return std::holds_alternative<bool>(value);
    case Type::integer:
        return std::holds_alternative<qint64>(value);
    case Type::string:
        return std::holds_alternative<QString>(value);
    case Type::data:
        return std::holds_alternative<QByteArray>(value);
    case Type::shortcut:
        return std::holds_alternative<QString>(value) || value == UserDefaults::Value(false);
    }
    return false;
}

QString SettingKey::typeName(Type type)
{
    static const char *const names[] = {"Bool", "Int", "String", "JSON data", "shortcut"};
    return QString::fromLatin1(names[int(type)]);
}

QString SettingKey::typeName(const UserDefaults::Value &value)
{
    static const char *const names[] = {"Bool", "Int", "Double", "String", "Data"};
    return QString::fromLatin1(names[value.index()]);
}

QString SettingKey::format(const UserDefaults::Value &value)
{
    return std::visit(
        [](const auto &v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>)
                return v ? trueText() : falseText();
            else if constexpr (std::is_same_v<T, qint64> || std::is_same_v<T, double>)
                return QString::number(v);
            else if constexpr (std::is_same_v<T, QString>)
                return v;
            else
                return QString::fromUtf8(v);
        },
        value);
}
