#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <optional>

// Key combinations as KGlobalAccel takes them: Qt key codes with Qt's modifier bits, a key
// sequence of up to four on the bus as (ai).
namespace KGlobalAccelKeys {
struct Combination {
    Key key;
    KeyModifiers modifiers;
    friend bool operator==(const Combination &, const Combination &) = default;
};

// One key sequence on the bus.
struct Sequence {
    QList<int> keys;
};

// Before any call or signal carries sequences.
void registerTypes();
// 0 for a key Qt has no code for.
int qtCombination(Key key, KeyModifiers modifiers);
// The combination of a sequence's first key; none for an empty sequence or a key Ringle has no
// code for.
std::optional<Combination> combination(const Sequence &sequence);
} // namespace KGlobalAccelKeys

Q_DECLARE_METATYPE(KGlobalAccelKeys::Sequence)

QDBusArgument &operator<<(QDBusArgument &argument, const KGlobalAccelKeys::Sequence &sequence);
const QDBusArgument &operator>>(const QDBusArgument &argument, KGlobalAccelKeys::Sequence &sequence);
