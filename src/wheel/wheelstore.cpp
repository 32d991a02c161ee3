#include "wheel/wheelstore.h"

#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"
#include "wheel/legacywheeltabs.h"
#include "wheel/wheellogging.h"

#include <algorithm>

namespace {
WheelTab newRing()
{
    WheelTab ring{QUuid::createUuid(), WheelStore::tr("New Ring"), {}, false};
    ring.slots.resize(WheelTab::newRingSlots);
    return ring;
}
// What `ringle config set` stores: a list the wheel keeps, in the form the store writes.
QByteArray normalisedSets(const QByteArray &json)
{
    const QList<WheelSet> sets = WheelSet::decodeList(json);
    WheelStore::checkLimits(sets);
    return WheelSet::encodeList(sets);
}

// The older list is only read, so it is checked and kept as given, compacted.
QByteArray normalisedLegacyTabs(const QByteArray &json)
{
    LegacyWheelTabs::decode(json);
    return JsonFields::compact(JsonFields::parseArray(json));
}
} // namespace

const SettingKey WheelStore::setsKey =
    StoredData::setting(QStringLiteral("wheelSets"), QStringLiteral("the shipped set"),
                        QStringLiteral("The wheel's sets, the first being the default set."), &normalisedSets);
const SettingKey WheelStore::legacyKey =
    StoredData::setting(QStringLiteral("wheelTabs"), QStringLiteral("none"),
                        QStringLiteral("The older list of rings, made into sets when no set list is stored."),
                        &normalisedLegacyTabs);
const SettingKey WheelStore::followsAppKey{
    QStringLiteral("wheelFollowsApp"), SettingKey::Type::boolean, QStringLiteral("true"),
    QStringLiteral("Whether the wheel shows the set bound to the front app or website.")};

WheelStore::WheelStore(UserDefaults &defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_stored(defaults, setsKey.name)
{
    load();
    connect(&m_defaults, &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (key == setsKey.name)
            reloadIfChangedElsewhere();
    });
}

void WheelStore::checkLimits(const QList<WheelSet> &sets)
{
    if (sets.isEmpty())
        throw JsonDecodeError(tr("The list needs at least the default set."));
    if (sets.size() > maximumSets)
        throw JsonDecodeError(tr("At most %1 sets are allowed.").arg(maximumSets));
    for (const WheelSet &set : sets) {
        if (set.rings.isEmpty() || set.rings.size() > maximumRings)
            throw JsonDecodeError(tr("Set \"%1\" has %2 rings; a set has 1 to %3.")
                                      .arg(set.displayTitle())
                                      .arg(set.rings.size())
                                      .arg(maximumRings));
        for (const WheelTab &ring : set.rings) {
            if (ring.slotCount() < WheelTab::minimumSlots || ring.slotCount() > WheelTab::maximumSlots)
                throw JsonDecodeError(tr("Ring \"%1\" has %2 slots; a ring has %3 to %4.")
                                          .arg(ring.displayTitle())
                                          .arg(ring.slotCount())
                                          .arg(WheelTab::minimumSlots)
                                          .arg(WheelTab::maximumSlots));
        }
    }
}

QList<WheelSet> WheelStore::shippedDefault()
{
    return {WheelSet{QUuid::createUuid(), tr("Default"), {}, {}, {WheelTab::standard()}}};
}

void WheelStore::load()
{
    m_known = m_defaults.value(setsKey.name);
    // An empty list counts as nothing stored.
    if (std::optional<QList<WheelSet>> stored = m_stored.read(&WheelSet::decodeList); stored && !stored->isEmpty()) {
        m_sets = std::move(*stored);
        return;
    }

    if (const std::optional<QByteArray> legacy = m_defaults.dataValue(legacyKey.name)) {
        try {
            const QList<LegacyWheelTabs::LegacyTab> tabs = LegacyWheelTabs::decode(*legacy);
            if (!tabs.isEmpty()) {
                m_sets = LegacyWheelTabs::migrate(tabs, maximumSets);
                save();
                return;
            }
        } catch (const JsonDecodeError &error) {
            qCDebug(lcWheel) << "older wheel rings are unreadable:" << error.message();
        }
    }

    m_sets = shippedDefault();
}

void WheelStore::save()
{
    const QByteArray bytes = WheelSet::encodeList(m_sets);
    // Known before the write, whose change notice must not read as another writer's.
    m_known = UserDefaults::Value(bytes);
    m_stored.write(bytes);
}

bool WheelStore::reloadIfChangedElsewhere()
{
    const std::optional<UserDefaults::Value> now = m_defaults.value(setsKey.name);
    if (now == m_known)
        return false;
    m_known = now;
    std::optional<QList<WheelSet>> stored = m_stored.read(&WheelSet::decodeList);
    if (!stored || stored->isEmpty())
        return false;
    qCInfo(lcWheel) << "took up the wheel sets another writer stored";
    setSets(*stored);
    Q_EMIT tookUpOtherWriter();
    return true;
}

void WheelStore::setSets(const QList<WheelSet> &sets)
{
    if (sets == m_sets)
        return;
    m_sets = sets;
    Q_EMIT setsChanged();
}

void WheelStore::replaceAll(const QList<WheelSet> &sets)
{
    commit(sets);
}

void WheelStore::commit(const QList<WheelSet> &sets)
{
    setSets(sets);
    save();
}

qsizetype WheelStore::indexOfSet(const QUuid &setID) const
{
    const auto it = std::find_if(m_sets.cbegin(), m_sets.cend(), [&](const WheelSet &s) { return s.id == setID; });
    return it == m_sets.cend() ? -1 : it - m_sets.cbegin();
}

std::optional<WheelSet> WheelStore::set(const QUuid &setID) const
{
    const qsizetype index = indexOfSet(setID);
    return index < 0 ? std::nullopt : std::optional<WheelSet>(m_sets.at(index));
}

std::optional<WheelStore::RingPosition> WheelStore::indices(const QUuid &ringID) const
{
    for (qsizetype s = 0; s < m_sets.size(); ++s) {
        const QList<WheelTab> &rings = m_sets.at(s).rings;
        for (qsizetype r = 0; r < rings.size(); ++r) {
            if (rings.at(r).id == ringID)
                return RingPosition{s, r};
        }
    }
    return std::nullopt;
}

bool WheelStore::isDefault(const QUuid &setID) const
{
    return !m_sets.isEmpty() && m_sets.first().id == setID;
}

std::optional<WheelSet> WheelStore::addSet()
{
    takeUpOtherWriters();
    if (m_sets.size() >= maximumSets)
        return std::nullopt;
    const WheelSet added{QUuid::createUuid(), tr("New Set"), {}, {}, {newRing()}};
    QList<WheelSet> next = m_sets;
    next.append(added);
    commit(next);
    return added;
}

void WheelStore::removeSet(const QUuid &setID)
{
    takeUpOtherWriters();
    if (isDefault(setID) || indexOfSet(setID) < 0)
        return;
    QList<WheelSet> next = m_sets;
    next.removeIf([&](const WheelSet &s) { return s.id == setID; });
    commit(next);
}

void WheelStore::updateInfo(const WheelSet &edited)
{
    takeUpOtherWriters();
    const qsizetype index = indexOfSet(edited.id);
    if (index < 0)
        return;
    QList<WheelSet> next = m_sets;
    next[index].title = edited.title;
    if (index != 0) {
        next[index].apps = edited.apps;
        next[index].sites = edited.sites;
        for (qsizetype other = 0; other < next.size(); ++other) {
            if (other == index)
                continue;
            next[other].apps.removeIf([&](const QString &app) { return edited.apps.contains(app); });
            next[other].sites.removeIf([&](const QString &site) { return edited.sites.contains(site); });
        }
    }
    commit(next);
}

void WheelStore::replaceRing(const WheelTab &edited)
{
    takeUpOtherWriters();
    const std::optional<RingPosition> at = indices(edited.id);
    if (!at)
        return;
    QList<WheelSet> next = m_sets;
    WheelTab ring = edited;
    if (at->set != 0)
        ring.forReadOnlyText = false;
    next[at->set].rings[at->ring] = ring;
    if (ring.forReadOnlyText) {
        QList<WheelTab> &defaultRings = next[0].rings;
        for (qsizetype r = 0; r < defaultRings.size(); ++r) {
            if (r != at->ring)
                defaultRings[r].forReadOnlyText = false;
        }
    }
    commit(next);
}

std::optional<WheelTab> WheelStore::addRing(const QUuid &setID)
{
    takeUpOtherWriters();
    const qsizetype index = indexOfSet(setID);
    if (index < 0 || m_sets.at(index).rings.size() >= maximumRings)
        return std::nullopt;
    const WheelTab added = newRing();
    QList<WheelSet> next = m_sets;
    next[index].rings.append(added);
    commit(next);
    return added;
}

void WheelStore::removeRing(const QUuid &ringID)
{
    takeUpOtherWriters();
    const std::optional<RingPosition> at = indices(ringID);
    if (!at || m_sets.at(at->set).rings.size() < 2)
        return;
    QList<WheelSet> next = m_sets;
    next[at->set].rings.removeAt(at->ring);
    commit(next);
}

std::optional<WheelTab> WheelStore::duplicateRing(const QUuid &ringID)
{
    takeUpOtherWriters();
    const std::optional<RingPosition> at = indices(ringID);
    if (!at || m_sets.at(at->set).rings.size() >= maximumRings)
        return std::nullopt;
    WheelTab copy = m_sets.at(at->set).rings.at(at->ring);
    copy.id = QUuid::createUuid();
    copy.title = tr("%1 Copy").arg(copy.displayTitle());
    copy.forReadOnlyText = false;
    QList<WheelSet> next = m_sets;
    next[at->set].rings.insert(at->ring + 1, copy);
    commit(next);
    return copy;
}

bool WheelStore::canMoveRing(const QUuid &ringID, const QUuid &targetSetID) const
{
    const std::optional<RingPosition> at = indices(ringID);
    const qsizetype target = indexOfSet(targetSetID);
    return at && target >= 0 && at->set != target && m_sets.at(at->set).rings.size() > 1
           && m_sets.at(target).rings.size() < maximumRings;
}

void WheelStore::moveRing(const QUuid &ringID, const QUuid &targetSetID)
{
    takeUpOtherWriters();
    if (!canMoveRing(ringID, targetSetID))
        return;
    const RingPosition at = *indices(ringID);
    const qsizetype target = indexOfSet(targetSetID);
    QList<WheelSet> next = m_sets;
    WheelTab ring = next[at.set].rings.takeAt(at.ring);
    if (target != 0)
        ring.forReadOnlyText = false;
    next[target].rings.append(ring);
    commit(next);
}

void WheelStore::moveRings(const QUuid &setID, const QList<qsizetype> &positions, qsizetype destination)
{
    takeUpOtherWriters();
    const qsizetype index = indexOfSet(setID);
    if (index < 0)
        return;
    const QList<WheelTab> &rings = m_sets.at(index).rings;
    QList<WheelTab> moved;
    QList<WheelTab> kept;
    qsizetype movedBeforeDestination = 0;
    for (qsizetype r = 0; r < rings.size(); ++r) {
        if (positions.contains(r)) {
            moved.append(rings.at(r));
            if (r < destination)
                ++movedBeforeDestination;
        } else {
            kept.append(rings.at(r));
        }
    }
    const qsizetype insertAt = qBound(qsizetype(0), destination - movedBeforeDestination, kept.size());
    for (qsizetype i = 0; i < moved.size(); ++i)
        kept.insert(insertAt + i, moved.at(i));
    QList<WheelSet> next = m_sets;
    next[index].rings = kept;
    commit(next);
}

void WheelStore::clearSlots(const WheelItem &item)
{
    takeUpOtherWriters();
    QList<WheelSet> next = m_sets;
    for (WheelSet &s : next) {
        for (WheelTab &ring : s.rings) {
            for (WheelSlot &slot : ring.slots) {
                if (slot == item)
                    slot.reset();
            }
        }
    }
    commit(next);
}
