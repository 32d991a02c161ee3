#pragma once

#include "wheel/customkeycombo.h"
#include "wheel/customprompt.h"
#include "wheel/wheelset.h"

#include <QList>

class KeyComboStore;
class PromptStore;
class WheelStore;

// What an export holds and an import writes: the wheel's sets and the records their slots refer to.
struct ConfigContents {
    QList<WheelSet> sets;
    QList<CustomKeyCombo> combos;
    QList<CustomPrompt> prompts;

    bool operator==(const ConfigContents &) const = default;
};

// The three stores a configuration lives in.
struct ConfigStores {
    WheelStore &wheels;
    KeyComboStore &combos;
    PromptStore &prompts;

    // What the stores hold now, after taking up what another writer stored meanwhile (a read of the
    // defaults tells every store of such a change).
    ConfigContents current() const;
    // Records first, so that the sets' slots find what they refer to as soon as they are stored.
    void replaceAll(const ConfigContents &contents) const;
};
