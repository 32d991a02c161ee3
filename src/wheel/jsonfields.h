#pragma once

#include <QJsonArray>
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

// The standard 36-character text with upper-case hexadecimal digits, and its strict parser.
QString uuidText(const QUuid &uuid);
std::optional<QUuid> parseUuid(const QString &text);
} // namespace JsonFields
