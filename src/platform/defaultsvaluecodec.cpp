#include "platform/defaultsvaluecodec.h"

#include <cmath>

namespace DefaultsValueCodec {

QJsonObject encode(const UserDefaults::Value &value)
{
    struct Visitor {
        QJsonObject operator()(bool v) const { return {{QStringLiteral("bool"), v}}; }
        QJsonObject operator()(qint64 v) const { return {{QStringLiteral("int"), v}}; }
        QJsonObject operator()(double v) const { return {{QStringLiteral("double"), v}}; }
        QJsonObject operator()(const QString &v) const { return {{QStringLiteral("string"), v}}; }
        QJsonObject operator()(const QByteArray &v) const
        {
            return {{QStringLiteral("data"), QString::fromLatin1(v.toBase64())}};
        }
    };
    return std::visit(Visitor{}, value);
}

std::optional<UserDefaults::Value> decode(const QJsonValue &json)
{
    if (!json.isObject())
        return std::nullopt;
    const QJsonObject obj = json.toObject();
    if (obj.size() != 1)
        return std::nullopt;
    const QString tag = obj.begin().key();
    const QJsonValue v = obj.begin().value();
    if (tag == QLatin1String("bool") && v.isBool())
        return UserDefaults::Value(v.toBool());
    if (tag == QLatin1String("int") && v.isDouble()) {
        const double d = v.toDouble();
        // Integers beyond 2^53 are not exact in JSON; refuse rather than silently round.
        if (std::floor(d) != d || std::fabs(d) > 9007199254740992.0)
            return std::nullopt;
        return UserDefaults::Value(v.toInteger());
    }
    if (tag == QLatin1String("double") && v.isDouble())
        return UserDefaults::Value(v.toDouble());
    if (tag == QLatin1String("string") && v.isString())
        return UserDefaults::Value(v.toString());
    if (tag == QLatin1String("data") && v.isString()) {
        const auto result = QByteArray::fromBase64Encoding(v.toString().toLatin1(),
                                                           QByteArray::AbortOnBase64DecodingErrors);
        if (!result)
            return std::nullopt;
        return UserDefaults::Value(*result);
    }
    return std::nullopt;
}

} // namespace DefaultsValueCodec
