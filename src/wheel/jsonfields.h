#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QList>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <optional>

// Strict readers of object members for the configuration decoders: a missing key or a value of
// another type throws JsonDecodeError naming the key.
namespace JsonFields {
QJsonObject object(const QJsonValue &value, const char *what);
QJsonValue required(const QJsonObject &object, const char *key);
QString string(const QJsonObject &object, const char *key);
bool boolean(const QJsonObject &object, const char *key);
bool optionalBoolean(const QJsonObject &object, const char *key, bool fallback);
QJsonArray array(const QJsonObject &object, const char *key);
QStringList stringArray(const QJsonObject &object, const char *key);
// An integral number within [minimum, maximum].
qint64 integer(const QJsonObject &object, const char *key, qint64 minimum, qint64 maximum);
QUuid uuid(const QJsonObject &object, const char *key);

// A whole stored document that must be a JSON array, and the compact form written back.
QJsonArray parseArray(const QByteArray &json);
QByteArray compact(const QJsonArray &array);

template <typename T, typename Decode> QList<T> decodeArray(const QByteArray &json, Decode decode)
{
    const QJsonArray items = parseArray(json);
    QList<T> result;
    result.reserve(items.size());
    for (const QJsonValue &item : items)
        result.append(decode(item));
    return result;
}

template <typename T> QByteArray encodeArray(const QList<T> &values)
{
    QJsonArray items;
    for (const T &value : values)
        items.append(value.toJson());
    return compact(items);
}

// The standard 36-character text with upper-case hexadecimal digits, and its strict parser.
QString uuidText(const QUuid &uuid);
std::optional<QUuid> parseUuid(const QString &text);
} // namespace JsonFields
