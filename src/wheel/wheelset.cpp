#include "wheel/wheelset.h"

#include "wheel/jsonfields.h"

#include <QJsonArray>

QString WheelSet::displayTitle() const
{
    return WheelText::displayTitle(title);
}

QJsonObject WheelSet::toJson() const
{
    QJsonArray ringArray;
    for (const WheelTab &ring : rings)
        ringArray.append(ring.toJson());
    return QJsonObject{
        {QStringLiteral("id"), JsonFields::uuidText(id)},
        {QStringLiteral("title"), title},
        {QStringLiteral("apps"), QJsonArray::fromStringList(apps)},
        {QStringLiteral("sites"), QJsonArray::fromStringList(sites)},
        {QStringLiteral("rings"), ringArray},
    };
}

WheelSet WheelSet::fromJson(const QJsonValue &value)
{
    const QJsonObject object = JsonFields::object(value, QT_TRANSLATE_NOOP("JsonFields", "a set"));
    WheelSet set;
    set.id = JsonFields::uuid(object, "id");
    set.title = JsonFields::string(object, "title");
    set.apps = JsonFields::stringArray(object, "apps");
    set.sites = JsonFields::stringArray(object, "sites");
    const QJsonArray ringArray = JsonFields::array(object, "rings");
    set.rings.reserve(ringArray.size());
    for (const QJsonValue &ring : ringArray)
        set.rings.append(WheelTab::fromJson(ring));
    return set;
}

QList<WheelSet> WheelSet::decodeList(const QByteArray &json)
{
    return JsonFields::decodeArray<WheelSet>(json, &WheelSet::fromJson);
}

QByteArray WheelSet::encodeList(const QList<WheelSet> &sets)
{
    return JsonFields::encodeArray(sets);
}

size_t qHash(const WheelSet &set, size_t seed) noexcept
{
    return qHashMulti(seed, set.id, set.title, set.apps, set.sites,
                      qHashRange(set.rings.cbegin(), set.rings.cend()));
}
