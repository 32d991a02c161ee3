#include "wheel/wheelset.h"

#include "wheel/jsonfields.h"

#include <QJsonArray>
#include <QUrl>

QString WheelSet::displayTitle() const
{
    return WheelText::displayTitle(title);
}

std::optional<QString> WheelSet::site(const QString &input)
{
    QString text = input.trimmed().toLower();
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (c.isSpace())
            return std::nullopt;
    }
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("https://"));
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    QString host = url.host(QUrl::FullyEncoded);
    if (host.isEmpty())
        return std::nullopt;
    if (!host.contains(QLatin1Char('.')) && host != QLatin1String("localhost"))
        return std::nullopt;
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    return host;
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
    const QJsonObject object = JsonFields::object(value, "a set");
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
