#include "wheel/customkeycombo.h"

#include "wheel/jsonfields.h"

QJsonObject CustomKeyCombo::toJson() const
{
    return QJsonObject{
        {QStringLiteral("id"), JsonFields::uuidText(id)},
        {QStringLiteral("combo"), combo.toJson()},
        {QStringLiteral("symbol"), symbol},
    };
}

CustomKeyCombo CustomKeyCombo::fromJson(const QJsonValue &value)
{
    const QJsonObject object = JsonFields::object(value, QT_TRANSLATE_NOOP("JsonFields", "a custom key combination"));
    return CustomKeyCombo{JsonFields::uuid(object, "id"), KeyCombo::fromJson(JsonFields::required(object, "combo")),
                          JsonFields::string(object, "symbol")};
}

size_t qHash(const CustomKeyCombo &record, size_t seed) noexcept
{
    return qHashMulti(seed, record.id, record.combo, record.symbol);
}
