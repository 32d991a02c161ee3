#pragma once

#include "wheel/wheelselection.h"
#include "wheel/wheelstore.h"

#include <optional>

// The wheel editor's commands on sets and rings: when each is offered, what it does to the store and
// what is selected afterwards. A command that is not offered changes nothing and answers none.
namespace WheelEditorCommands {
using Selection = std::optional<WheelSelection>;

// What is selected when the editor first shows: the default set's first ring, if it has one.
Selection firstSelection(const WheelStore &store);
// The set that receives new rings: the selected set; a selected ring's set (the first set when the
// ring is gone); otherwise the first set.
std::optional<WheelSet> currentSet(const WheelStore &store, const Selection &selection);

bool canAddRing(const WheelStore &store, const Selection &selection);
// Selects the new ring.
Selection addRing(WheelStore &store, const Selection &selection);
bool canAddSet(const WheelStore &store);
// Selects the new set.
Selection addSet(WheelStore &store);

// The minus button: a set other than the default set, or a ring whose set has at least two rings.
bool canRemove(const WheelStore &store, const Selection &selection);
// Selects the ring that took the removed ring's place, else the new last ring, else its set.
Selection removeRing(WheelStore &store, const QUuid &ringID);
// After a confirmation; selects the default set.
Selection removeSet(WheelStore &store, const QUuid &setID);

// The ring's context menu.
bool canDuplicate(const WheelStore &store, const QUuid &ringID);
Selection duplicateRing(WheelStore &store, const QUuid &ringID);
// Selects the moved ring.
Selection moveRing(WheelStore &store, const QUuid &ringID, const QUuid &targetSetID);
bool canDelete(const WheelStore &store, const QUuid &ringID);
// Selects the ring's set when the deleted ring was selected; otherwise keeps `selection`.
Selection deleteRing(WheelStore &store, const QUuid &ringID, const Selection &selection);

// Whether `selection` still names something that exists.
bool exists(const WheelStore &store, const Selection &selection);
} // namespace WheelEditorCommands
