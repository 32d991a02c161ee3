#include "wheel/legacywheeltabs.h"

#include "wheel/jsonfields.h"

#include <QCoreApplication>

namespace LegacyWheelTabs {
namespace {
QStringList optionalStrings(const QJsonObject &object, const char *key)
{
    const auto it = object.constFind(QLatin1String(key));
    if (it == object.constEnd() || it->isNull())
        return {};
    return JsonFields::stringArray(object, key);
}
} // namespace

QList<LegacyTab> decode(const QByteArray &json)
{
    return JsonFields::decodeArray<LegacyTab>(json, [](const QJsonValue &value) {
        const QJsonObject object = JsonFields::object(value, QT_TRANSLATE_NOOP("JsonFields", "a ring"));
        return LegacyTab{WheelTab::fromJson(object), optionalStrings(object, "apps"),
                         optionalStrings(object, "sites")};
    });
}

QList<WheelSet> migrate(const QList<LegacyTab> &legacy, int maximumSets)
{
    QList<WheelTab> defaultRings;
    QList<WheelSet> boundSets;
    bool flagTaken = false;
    for (const LegacyTab &entry : legacy) {
        if (entry.apps.isEmpty() && entry.sites.isEmpty()) {
            WheelTab ring = entry.tab;
            // Older data could flag several rings; the first one is the one that was shown first.
            if (ring.forReadOnlyText && flagTaken)
                ring.forReadOnlyText = false;
            flagTaken = flagTaken || ring.forReadOnlyText;
            defaultRings.append(ring);
            continue;
        }
        WheelTab ring = entry.tab;
        ring.forReadOnlyText = false;
        boundSets.append(WheelSet{QUuid::createUuid(), WheelText::displayTitle(entry.tab.title), entry.apps,
                                  entry.sites, {ring}});
    }
    if (defaultRings.isEmpty())
        defaultRings.append(WheelTab::standard());

    QList<WheelSet> sets{
        WheelSet{QUuid::createUuid(), QCoreApplication::translate("WheelConfig", "Default"), {}, {}, defaultRings}};
    sets.append(boundSets.mid(0, qMax(0, maximumSets - 1)));
    return sets;
}
} // namespace LegacyWheelTabs
