#include "wheel/configimportplan.h"

#include "wheel/configtransfererror.h"
#include "wheel/slotreferences.h"
#include "wheel/wheelstore.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace ConfigImportPlan {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("ConfigImportPlan", text);
}

template <typename T> QSet<QUuid> idsOf(const QList<T> &records)
{
    QSet<QUuid> ids;
    for (const T &record : records)
        ids.insert(record.id);
    return ids;
}

void refuseDangling(const QList<WheelSet> &sets, const QSet<QUuid> &combos, const QSet<QUuid> &prompts, Mode mode)
{
    const std::optional<SlotReferences::Dangling> dangling =
        SlotReferences::firstDangling(sets, [&](const QUuid &id) { return combos.contains(id); },
                                      [&](const QUuid &id) { return prompts.contains(id); });
    if (!dangling)
        return;
    const WheelSet &set = sets.at(dangling->set);
    const WheelTab &ring = set.rings.at(dangling->ring);
    const bool combo = ring.slots.at(dangling->slot)->kind() == WheelItem::Kind::customKeys;
    const char *text = nullptr;
    if (mode == Mode::merge)
        text = combo ? QT_TRANSLATE_NOOP("ConfigImportPlan", "Slot %1 of the ring \"%2\" in the set \"%3\" refers to a key "
                                                             "combination that is neither in the file nor in your "
                                                             "configuration.")
                     : QT_TRANSLATE_NOOP("ConfigImportPlan", "Slot %1 of the ring \"%2\" in the set \"%3\" refers to a "
                                                             "prompt that is neither in the file nor in your configuration.");
    else
        text = combo ? QT_TRANSLATE_NOOP("ConfigImportPlan", "Slot %1 of the ring \"%2\" in the set \"%3\" refers to a key "
                                                             "combination that is not in the file.")
                     : QT_TRANSLATE_NOOP("ConfigImportPlan", "Slot %1 of the ring \"%2\" in the set \"%3\" refers to a "
                                                             "prompt that is not in the file.");
    throw ConfigTransferError(tr(text).arg(dangling->slot + 1).arg(ring.displayTitle(), set.displayTitle()));
}

// Hands out ids not yet taken: the imported one where it is free, else a fresh one.
class Ids final {
public:
    explicit Ids(QSet<QUuid> taken)
        : m_taken(std::move(taken))
    {
    }
    QUuid claim(const QUuid &wanted)
    {
        QUuid id = wanted;
        if (m_taken.contains(id)) {
            ++m_renamed;
            do
                id = QUuid::createUuid();
            while (m_taken.contains(id));
        }
        m_taken.insert(id);
        return id;
    }
    int renamed() const { return m_renamed; }

private:
    QSet<QUuid> m_taken;
    int m_renamed = 0;
};

// The records with ids the user's do not use; `renamed` maps each changed id to its new one.
template <typename T> QList<T> claimed(QList<T> records, const QList<T> &current, QHash<QUuid, QUuid> &renamed, int &count)
{
    Ids ids(idsOf(current));
    for (T &record : records) {
        const QUuid id = ids.claim(record.id);
        if (id != record.id)
            renamed.insert(record.id, id);
        record.id = id;
    }
    count += ids.renamed();
    return records;
}

void follow(WheelSlot &slot, const QHash<QUuid, QUuid> &combos, const QHash<QUuid, QUuid> &prompts)
{
    if (!slot)
        return;
    if (slot->kind() == WheelItem::Kind::customKeys && combos.contains(slot->recordID()))
        slot = WheelItem::customKeys(combos.value(slot->recordID()));
    else if (slot->kind() == WheelItem::Kind::customPrompt && prompts.contains(slot->recordID()))
        slot = WheelItem::customPrompt(prompts.value(slot->recordID()));
}

Plan merged(const ConfigContents &file, const ConfigContents &current)
{
    const qsizetype total = current.sets.size() + file.sets.size();
    if (total > WheelStore::maximumSets)
        throw ConfigTransferError(
            tr("Merging would give %1 sets, and Ringle keeps at most %2.").arg(total).arg(WheelStore::maximumSets));
    refuseDangling(file.sets, idsOf(file.combos) + idsOf(current.combos), idsOf(file.prompts) + idsOf(current.prompts),
                   Mode::merge);

    Plan plan;
    plan.mode = Mode::merge;
    QHash<QUuid, QUuid> combos;
    QHash<QUuid, QUuid> prompts;
    plan.added.combos = claimed(file.combos, current.combos, combos, plan.renamed);
    plan.added.prompts = claimed(file.prompts, current.prompts, prompts, plan.renamed);

    QSet<QUuid> currentRings;
    QSet<QString> bound;
    for (const WheelSet &set : current.sets) {
        currentRings += idsOf(set.rings);
        for (const QString &binding : set.apps + set.sites)
            bound.insert(binding);
    }
    Ids setIds(idsOf(current.sets));
    Ids ringIds(currentRings);
    for (WheelSet set : file.sets) {
        set.id = setIds.claim(set.id);
        const auto kept = [&](const QString &binding) {
            if (!bound.contains(binding))
                return false;
            plan.keptBindings.append(binding);
            return true;
        };
        set.apps.removeIf(kept);
        set.sites.removeIf(kept);
        for (WheelTab &ring : set.rings) {
            ring.id = ringIds.claim(ring.id);
            // Only the default set's rings may be the one for read-only text, and these join as others.
            ring.forReadOnlyText = false;
            for (WheelSlot &slot : ring.slots)
                follow(slot, combos, prompts);
        }
        plan.added.sets.append(set);
    }
    // Rings are counted with their sets: the user sees sets, combinations and prompts.
    plan.renamed += setIds.renamed();
    plan.result = {current.sets + plan.added.sets, current.combos + plan.added.combos,
                   current.prompts + plan.added.prompts};
    return plan;
}

Plan replaced(const ConfigContents &file)
{
    if (file.sets.isEmpty())
        throw ConfigTransferError(tr("The file holds no sets, so it cannot take the place of yours."));
    refuseDangling(file.sets, idsOf(file.combos), idsOf(file.prompts), Mode::replace);
    return Plan{Mode::replace, file, file, 0, {}};
}
} // namespace

Plan plan(const ConfigContents &file, const ConfigContents &current, Mode mode)
{
    return mode == Mode::merge ? merged(file, current) : replaced(file);
}
} // namespace ConfigImportPlan
