#pragma once

#include "platform/userdefaults.h"

#include <QString>
#include <optional>

// Keeps a stored value that a store could not read, so that the store's first save over it does not
// destroy the user's data. The copy goes under "<key>.unreadable"; an existing copy is never replaced:
// a different value goes under the first free "<key>.unreadable.2", ".3", …; an identical one is not
// stored twice.
class UnreadableValueKeeper final {
public:
    UnreadableValueKeeper(UserDefaults &defaults, QString key);

    // The value now under the key could not be read; keep it before it is first overwritten.
    void remember(const UserDefaults::Value &value);
    // Call before every write of the key: copies a remembered value once.
    void keepBeforeOverwrite();

    // Where the copy went, once kept.
    QString keptUnder() const { return m_keptUnder; }

private:
    UserDefaults &m_defaults;
    QString m_key;
    std::optional<UserDefaults::Value> m_pending;
    QString m_keptUnder;
};
