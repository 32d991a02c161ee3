#include "wheel/jsonfields.h"

#include "wheel/jsondecodeerror.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <cmath>

namespace JsonFields {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("JsonFields", text);
}

[[noreturn]] void fail(const char *key, const char *expected)
{
    throw JsonDecodeError(tr("Value of \"%1\" is not %2.").arg(QString::fromUtf8(key), tr(expected)));
}
} // namespace

QJsonObject object(const QJsonValue &value, const char *what)
{
    if (!value.isObject())
        throw JsonDecodeError(tr("Expected an object for %1.").arg(tr(what)));
    return value.toObject();
}

QJsonValue required(const QJsonObject &object, const char *key)
{
    const auto it = object.constFind(QLatin1String(key));
    if (it == object.constEnd())
        throw JsonDecodeError(tr("No value for key \"%1\".").arg(QString::fromUtf8(key)));
    return *it;
}

QString string(const QJsonObject &object, const char *key)
{
    const QJsonValue v = required(object, key);
    if (!v.isString())
        fail(key, QT_TRANSLATE_NOOP("JsonFields", "a string"));
    return v.toString();
}

bool boolean(const QJsonObject &object, const char *key)
{
    const QJsonValue v = required(object, key);
    if (!v.isBool())
        fail(key, QT_TRANSLATE_NOOP("JsonFields", "a boolean"));
    return v.toBool();
}

bool optionalBoolean(const QJsonObject &object, const char *key, bool fallback)
{
    const auto it = object.constFind(QLatin1String(key));
    if (it == object.constEnd() || it->isNull())
        return fallback;
    if (!it->isBool())
        fail(key, QT_TRANSLATE_NOOP("JsonFields", "a boolean"));
    return it->toBool();
}

QJsonArray array(const QJsonObject &object, const char *key)
{
    const QJsonValue v = required(object, key);
    if (!v.isArray())
        fail(key, QT_TRANSLATE_NOOP("JsonFields", "an array"));
    return v.toArray();
}

QStringList stringArray(const QJsonObject &object, const char *key)
{
    QStringList result;
    const QJsonArray items = array(object, key);
    result.reserve(items.size());
    for (const QJsonValue &item : items) {
        if (!item.isString())
            fail(key, QT_TRANSLATE_NOOP("JsonFields", "an array of strings"));
        result.append(item.toString());
    }
    return result;
}

qint64 integer(const QJsonObject &object, const char *key, qint64 minimum, qint64 maximum)
{
    const QJsonValue v = required(object, key);
    if (!v.isDouble())
        fail(key, QT_TRANSLATE_NOOP("JsonFields", "a number"));
    const double d = v.toDouble();
    // Range check on the double first: converting an out-of-range double to an integer is undefined.
    if (!std::isfinite(d) || d != std::trunc(d) || d < double(minimum) || d > double(maximum))
        fail(key, QT_TRANSLATE_NOOP("JsonFields", "an integer in range"));
    return static_cast<qint64>(d);
}

QUuid uuid(const QJsonObject &object, const char *key)
{
    const std::optional<QUuid> id = parseUuid(string(object, key));
    if (!id)
        fail(key, QT_TRANSLATE_NOOP("JsonFields", "a UUID"));
    return *id;
}

QJsonArray parseArray(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw JsonDecodeError(tr("Invalid JSON: %1.").arg(error.errorString()));
    if (!document.isArray())
        throw JsonDecodeError(tr("Expected an array."));
    return document.array();
}

QByteArray compact(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QString uuidText(const QUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> parseUuid(const QString &text)
{
    // Only the bare 8-4-4-4-12 form; QUuid alone would also take braces.
    if (text.size() != 36 || text.startsWith(QLatin1Char('{')))
        return std::nullopt;
    const QUuid id = QUuid::fromString(text);
    if (id.isNull() && text != QLatin1String("00000000-0000-0000-0000-000000000000"))
        return std::nullopt;
    return id;
}
} // namespace JsonFields
