#pragma once

#include <QUuid>

// What the wheel editor's sidebar has selected: a set or a ring by identifier, or one of the two
// lists of the user's own key combinations and prompts.
struct WheelSelection {
    enum class Kind {
        set,
        ring,
        keyCombos,
        prompts,
    };

    Kind kind = Kind::set;
    QUuid id;

    static WheelSelection ofSet(const QUuid &setID) { return {Kind::set, setID}; }
    static WheelSelection ofRing(const QUuid &ringID) { return {Kind::ring, ringID}; }
    static WheelSelection keyCombos() { return {Kind::keyCombos, {}}; }
    static WheelSelection prompts() { return {Kind::prompts, {}}; }

    bool operator==(const WheelSelection &) const = default;
};
