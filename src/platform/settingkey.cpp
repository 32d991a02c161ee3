#include "platform/settingkey.h"

#include <QCoreApplication>

bool SettingKey::isOn(const UserDefaults &defaults) const
{
    return defaults.boolValue(name).value_or(defaultText == QLatin1String("true"));
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
        if (lower == QLatin1String("true") || lower == QLatin1String("false"))
            return {UserDefaults::Value(lower == QLatin1String("true")), {}};
        return refusal(QCoreApplication::translate("SettingKey", "%1 takes true or false, not \"%2\".").arg(name, text));
    }
    if (choices.isEmpty())
        return {UserDefaults::Value(text), {}};
    // Stored texts are case-sensitive ("lmStudio"); a differently cased entry is taken as the one it names.
    for (const QString &choice : choices) {
        if (choice.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return {UserDefaults::Value(choice), {}};
    }
    return refusal(QCoreApplication::translate("SettingKey", "%1 takes one of %2, not \"%3\".")
                       .arg(name, choices.join(QStringLiteral(", ")), text));
}

bool SettingKey::holdsReadableType(const UserDefaults::Value &value) const
{
    if (type == Type::shortcut)
        return std::holds_alternative<QString>(value) || value == UserDefaults::Value(false);
    // The alternative of UserDefaults::Value each other type is stored as.
    constexpr size_t storedAs[] = {0 /* bool */, 1 /* qint64 */, 3 /* QString */, 4 /* QByteArray */};
    return value.index() == storedAs[int(type)];
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
    if (const bool *flag = std::get_if<bool>(&value))
        return *flag ? QStringLiteral("true") : QStringLiteral("false");
    if (const qint64 *number = std::get_if<qint64>(&value))
        return QString::number(*number);
    if (const double *number = std::get_if<double>(&value))
        return QString::number(*number);
    if (const QString *text = std::get_if<QString>(&value))
        return *text;
    return QString::fromUtf8(std::get<QByteArray>(value));
}
