#include "wheel/wheeleditorcommands.h"

namespace WheelEditorCommands {
namespace {
qsizetype ringCountOfSetHolding(const WheelStore &store, const QUuid &ringID)
{
    const std::optional<WheelStore::RingPosition> at = store.indices(ringID);
    return at ? store.sets().at(at->set).rings.size() : 0;
}
} // namespace

Selection firstSelection(const WheelStore &store)
{
    if (store.sets().isEmpty() || store.sets().first().rings.isEmpty())
        return std::nullopt;
    return WheelSelection::ofRing(store.sets().first().rings.first().id);
}

std::optional<WheelSet> currentSet(const WheelStore &store, const Selection &selection)
{
    if (selection && selection->kind == WheelSelection::Kind::set)
        return store.set(selection->id);
    if (selection && selection->kind == WheelSelection::Kind::ring) {
        if (const std::optional<WheelStore::RingPosition> at = store.indices(selection->id))
            return store.sets().at(at->set);
    }
    return store.sets().isEmpty() ? std::nullopt : std::optional<WheelSet>(store.sets().first());
}

bool canAddRing(const WheelStore &store, const Selection &selection)
{
    const std::optional<WheelSet> target = currentSet(store, selection);
    return target && target->rings.size() < WheelStore::maximumRings;
}

Selection addRing(WheelStore &store, const Selection &selection)
{
    const std::optional<WheelSet> target = currentSet(store, selection);
    if (!target)
        return std::nullopt;
    const std::optional<WheelTab> added = store.addRing(target->id);
    return added ? Selection(WheelSelection::ofRing(added->id)) : std::nullopt;
}

bool canAddSet(const WheelStore &store)
{
    return store.sets().size() < WheelStore::maximumSets;
}

Selection addSet(WheelStore &store)
{
    const std::optional<WheelSet> added = store.addSet();
    return added ? Selection(WheelSelection::ofSet(added->id)) : std::nullopt;
}

bool canRemove(const WheelStore &store, const Selection &selection)
{
    if (!selection)
        return false;
    if (selection->kind == WheelSelection::Kind::set)
        return store.set(selection->id) && !store.isDefault(selection->id);
    if (selection->kind == WheelSelection::Kind::ring)
        return canDelete(store, selection->id);
    return false;
}

Selection removeRing(WheelStore &store, const QUuid &ringID)
{
    const std::optional<WheelStore::RingPosition> at = store.indices(ringID);
    if (!at || !canDelete(store, ringID))
        return std::nullopt;
    const QUuid setID = store.sets().at(at->set).id;
    store.removeRing(ringID);
    const std::optional<WheelSet> set = store.set(setID);
    if (!set)
        return std::nullopt;
    if (set->rings.isEmpty())
        return WheelSelection::ofSet(set->id);
    return WheelSelection::ofRing(set->rings.at(qMin(at->ring, set->rings.size() - 1)).id);
}

Selection removeSet(WheelStore &store, const QUuid &setID)
{
    if (!canRemove(store, WheelSelection::ofSet(setID)))
        return std::nullopt;
    store.removeSet(setID);
    return WheelSelection::ofSet(store.sets().first().id);
}

bool canDuplicate(const WheelStore &store, const QUuid &ringID)
{
    const qsizetype count = ringCountOfSetHolding(store, ringID);
    return count > 0 && count < WheelStore::maximumRings;
}

Selection duplicateRing(WheelStore &store, const QUuid &ringID)
{
    const std::optional<WheelTab> copy = store.duplicateRing(ringID);
    return copy ? Selection(WheelSelection::ofRing(copy->id)) : std::nullopt;
}

Selection moveRing(WheelStore &store, const QUuid &ringID, const QUuid &targetSetID)
{
    if (!store.canMoveRing(ringID, targetSetID))
        return std::nullopt;
    store.moveRing(ringID, targetSetID);
    return WheelSelection::ofRing(ringID);
}

bool canDelete(const WheelStore &store, const QUuid &ringID)
{
    return ringCountOfSetHolding(store, ringID) >= 2;
}

Selection deleteRing(WheelStore &store, const QUuid &ringID, const Selection &selection)
{
    const std::optional<WheelStore::RingPosition> at = store.indices(ringID);
    if (!at || !canDelete(store, ringID))
        return selection;
    const QUuid setID = store.sets().at(at->set).id;
    store.removeRing(ringID);
    if (selection == WheelSelection::ofRing(ringID))
        return WheelSelection::ofSet(setID);
    return selection;
}

bool exists(const WheelStore &store, const Selection &selection)
{
    if (!selection)
        return false;
    switch (selection->kind) {
    case WheelSelection::Kind::set:
        return store.set(selection->id).has_value();
    case WheelSelection::Kind::ring:
        return store.indices(selection->id).has_value();
    case WheelSelection::Kind::keyCombos:
    case WheelSelection::Kind::prompts:
        return true;
    }
    return false;
}
} // namespace WheelEditorCommands
