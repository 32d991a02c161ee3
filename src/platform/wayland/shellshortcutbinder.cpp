#include "platform/wayland/shellshortcutbinder.h"

#include "platform/linux/mackeycodes.h"
#include "platform/wayland/shellextension.h"

#include <QDBusMessage>
#include <QLoggingCategory>

#include <xkbcommon/xkbcommon.h>

namespace {
Q_LOGGING_CATEGORY(lcShellKeys, "ringle.wayland.gnome")

// Clutter's state bits are X11's.
constexpr KeyModifiers::Bit clutterBits[] = {
    {KeyModifiers::shift, 1u << 0},
    {KeyModifiers::control, 1u << 2},
    {KeyModifiers::option, 1u << 3},
    {KeyModifiers::command, 1u << 6},
};

std::optional<quint32> keysymOf(Key key)
{
    const std::optional<quint32> keysym = MacKeyCodes::keysymForKey(key);
    // Mutter matches letters by their lower-case keysym.
    return keysym ? std::optional<quint32>(xkb_keysym_to_lower(*keysym)) : std::nullopt;
}
} // namespace

ShellShortcutBinder::ShellShortcutBinder(ShellExtension &extension, QObject *parent)
    : QObject(parent)
    , m_extension(extension)
{
    connect(&extension, &ShellExtension::shortcutPressed, this, [this](quint32 id) {
        if (m_handler && m_bindings.contains(id))
            m_handler(id, true);
    });
    connect(&extension, &ShellExtension::shortcutReleased, this, [this](quint32 id) {
        if (m_handler && m_bindings.contains(id))
            m_handler(id, false);
    });
    connect(&extension, &ShellExtension::returned, this, [this] {
        for (auto it = m_bindings.cbegin(); it != m_bindings.cend(); ++it) {
            if (!bindInShell(it.key(), it.value()))
                qCWarning(lcShellKeys) << "GNOME Shell no longer takes the shortcut" << accelerator(it->key, it->modifiers);
        }
    });
}

ShellShortcutBinder::~ShellShortcutBinder()
{
    for (auto it = m_bindings.cbegin(); it != m_bindings.cend(); ++it)
        m_extension.send(u"UnbindShortcut"_qs, {quint32(it.key())});
}

QString ShellShortcutBinder::accelerator(Key key, KeyModifiers modifiers)
{
    const std::optional<quint32> keysym = keysymOf(key);
    if (!keysym)
        return {};
    char name[64];
    if (xkb_keysym_get_name(*keysym, name, sizeof name) <= 0)
        return {};
    QString result;
    if (modifiers.contains(KeyModifiers::control))
        result += u"<Control>";
    if (modifiers.contains(KeyModifiers::option))
        result += u"<Alt>";
    if (modifiers.contains(KeyModifiers::shift))
        result += u"<Shift>";
    if (modifiers.contains(KeyModifiers::command))
        result += u"<Super>";
    return result + QString::fromLatin1(name);
}

quint32 ShellShortcutBinder::clutterModifiers(KeyModifiers modifiers)
{
    return quint32(modifiers.toBits(clutterBits));
}

bool ShellShortcutBinder::bindInShell(quint64 id, const Binding &binding)
{
    const QString accel = accelerator(binding.key, binding.modifiers);
    const std::optional<quint32> keysym = keysymOf(binding.key);
    if (accel.isEmpty() || !keysym || id > std::numeric_limits<quint32>::max())
        return false;
    const QDBusMessage reply = m_extension.call(
        u"BindShortcut"_qs, {quint32(id), accel, *keysym, clutterModifiers(binding.modifiers)});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCWarning(lcShellKeys).noquote() << "GNOME Shell did not bind" << accel << "-" << reply.errorMessage();
        return false;
    }
    return reply.arguments().at(0).toBool();
}

bool ShellShortcutBinder::bind(quint64 id, Key key, KeyModifiers modifiers)
{
    const Binding binding{key, modifiers};
    if (!bindInShell(id, binding))
        return false;
    m_bindings.insert(id, binding);
    return true;
}

void ShellShortcutBinder::unbind(quint64 id)
{
    if (m_bindings.remove(id))
        m_extension.send(u"UnbindShortcut"_qs, {quint32(id)});
}

bool ShellShortcutBinder::isTaken(Key key, KeyModifiers modifiers)
{
    const QString accel = accelerator(key, modifiers);
    if (accel.isEmpty())
        return false;
    const QDBusMessage reply = m_extension.call(u"IsTaken"_qs, {accel});
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() && reply.arguments().at(0).toBool();
}
