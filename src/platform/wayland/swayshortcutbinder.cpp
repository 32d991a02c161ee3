#include "platform/wayland/swayshortcutbinder.h"

#include "platform/linux/mackeycodes.h"
#include "platform/wayland/swaybindings.h"
#include "platform/wayland/swayconfigbindings.h"
#include "platform/wayland/swayipc.h"
#include "platform/wayland/waylandseat.h"
#include "platform/wayland/xkbkeylookup.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <xkbcommon/xkbcommon.h>

namespace {
Q_LOGGING_CATEGORY(lcSwayKeys, "ringle.wayland.sway")

constexpr std::chrono::milliseconds configTimeout{1000};
const QString tagPrefix = QStringLiteral("hotkey-");

// The modifiers of a configured binding, or none when it names one Ringle never binds with (Lock,
// Mod2, Mod3, Mod5): such a binding never takes one of Ringle's combinations.
std::optional<KeyModifiers> modifiersOf(const QStringList &names)
{
    KeyModifiers result;
    for (const QString &name : names) {
        if (name == u"Shift")
            result = result | KeyModifiers::shift;
        else if (name == u"Ctrl")
            result = result | KeyModifiers::control;
        else if (name == u"Mod1")
            result = result | KeyModifiers::option;
        else if (name == u"Mod4")
            result = result | KeyModifiers::command;
        else
            return std::nullopt;
    }
    return result;
}
} // namespace

SwayShortcutBinder::SwayShortcutBinder(SwayIpc &sway, SwayBindings &bindings, WaylandSeat &seat, QObject *parent)
    : QObject(parent)
    , m_sway(sway)
    , m_bindings(bindings)
    , m_seat(seat)
{
    connect(&bindings, &SwayBindings::triggered, this, [this](const QString &tag, bool pressed) {
        bool ok = false;
        const quint64 id = tag.startsWith(tagPrefix) ? tag.mid(tagPrefix.size()).toULongLong(&ok) : 0;
        if (ok && m_handler)
            m_handler(id, pressed);
    });
}

QString SwayShortcutBinder::tagFor(quint64 id)
{
    return tagPrefix + QString::number(id);
}

bool SwayShortcutBinder::bind(quint64 id, Key key, KeyModifiers modifiers)
{
    const std::optional<quint32> keysym = MacKeyCodes::keysymForKey(key);
    const std::optional<XkbKeyLookup::Location> at = keysym ? XkbKeyLookup(m_seat.keymap()).find(*keysym) : std::nullopt;
    if (!at) {
        qCDebug(lcSwayKeys) << "this keyboard has no key for virtual key code" << key.code;
        return false;
    }
    // sway would take the combination from its own binding without a word.
    if (isTaken(key, modifiers)) {
        qCInfo(lcSwayKeys) << "sway's configuration binds virtual key code" << key.code << "with these modifiers already";
        return false;
    }
    QStringList keys = SwayBindings::modifierNames(modifiers.without(KeyModifiers::function));
    keys.append(QString::number(at->keycode));
    return m_bindings.add(tagFor(id), {u"bindcode"_qs, {}, keys.join(u'+')});
}

void SwayShortcutBinder::unbind(quint64 id)
{
    m_bindings.remove(tagFor(id));
}

bool SwayShortcutBinder::isTaken(Key key, KeyModifiers modifiers)
{
    const std::optional<quint32> keysym = MacKeyCodes::keysymForKey(key);
    if (!keysym)
        return false;
    const std::optional<XkbKeyLookup::Location> at = XkbKeyLookup(m_seat.keymap()).find(*keysym);
    const std::optional<QString> text = m_sway.configText(configTimeout);
    if (!text)
        return false;
    const QString configDir = QFileInfo(SwayConfigBindings::mainConfigPath()).absolutePath();
    const auto readInclude = [&configDir](const QString &pattern) {
        return SwayConfigBindings::readIncludeFromDisk(pattern, configDir);
    };
    const KeyModifiers wanted = modifiers.without(KeyModifiers::function);
    for (const SwayConfigBindings::Binding &b : SwayConfigBindings::parse(*text, readInclude)) {
        if (b.mouse || b.mode != u"default" || modifiersOf(b.modifiers) != wanted)
            continue;
        if (b.byCode) {
            if (at && b.key.toUInt() == at->keycode)
                return true;
            continue;
        }
        const xkb_keysym_t bound = xkb_keysym_from_name(b.key.toUtf8().constData(), XKB_KEYSYM_CASE_INSENSITIVE);
        if (bound != XKB_KEY_NoSymbol && xkb_keysym_to_lower(bound) == xkb_keysym_to_lower(*keysym))
            return true;
    }
    return false;
}
