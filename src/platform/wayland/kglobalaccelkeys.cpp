#include "platform/wayland/kglobalaccelkeys.h"

#include "platform/linux/mackeycodes.h"
#include "platform/wayland/xkbqtkeys.h"

#include <QDBusMetaType>

#include <algorithm>

namespace KGlobalAccelKeys {
namespace {
constexpr int qtModifierMask = int(Qt::KeyboardModifierMask);
// Mac key codes run below this.
constexpr quint16 keyCodeEnd = 128;

int qtKey(Key key)
{
    const std::optional<quint32> keysym = MacKeyCodes::keysymForKey(key);
    return keysym ? XkbQtKeys::qtKey(*keysym) : 0;
}
} // namespace

void registerTypes()
{
    qDBusRegisterMetaType<Sequence>();
    qDBusRegisterMetaType<QList<Sequence>>();
}

int qtCombination(Key key, KeyModifiers modifiers)
{
    const int code = qtKey(key);
    return code == 0 ? 0 : code | int(modifiers.without(KeyModifiers::function).toQt());
}

std::optional<Combination> combination(const Sequence &sequence)
{
    if (sequence.keys.isEmpty())
        return std::nullopt;
    const int first = sequence.keys.first();
    const int code = first & ~qtModifierMask;
    if (code == 0)
        return std::nullopt;
    // The inverse of qtKey over every key Ringle knows, so both directions share one table.
    for (quint16 c = 0; c < keyCodeEnd; ++c) {
        if (qtKey(Key(c)) == code && !Key(c).modifierFlag())
            return Combination{Key(c), KeyModifiers::fromQt(Qt::KeyboardModifiers(first & qtModifierMask))};
    }
    return std::nullopt;
}
} // namespace KGlobalAccelKeys

// Always four keys, unused ones 0: KGlobalAccel of Plasma 5 reads exactly four and aborts KWin,
// with the whole session, on a shorter array.
QDBusArgument &operator<<(QDBusArgument &argument, const KGlobalAccelKeys::Sequence &sequence)
{
    QList<int> keys = sequence.keys.first(std::min<qsizetype>(sequence.keys.size(), 4));
    keys.resize(4, 0);
    argument.beginStructure();
    argument << keys;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, KGlobalAccelKeys::Sequence &sequence)
{
    QList<int> keys;
    argument.beginStructure();
    argument >> keys;
    argument.endStructure();
    keys.removeAll(0);
    sequence.keys = keys;
    return argument;
}
