#include "platform/wayland/portalshortcutformat.h"

#include "platform/linux/mackeycodes.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QRegularExpression>

#include <xkbcommon/xkbcommon.h>

namespace {
bool isObjectPath(const QString &path)
{
    static const QRegularExpression form(u"^/([A-Za-z0-9_]+(/[A-Za-z0-9_]+)*)?$"_qs);
    return form.match(path).hasMatch();
}
} // namespace

Q_DECLARE_METATYPE(PortalShortcutFormat::Shortcut)

namespace PortalShortcutFormat {
// Here for argument-dependent lookup.
QDBusArgument &operator<<(QDBusArgument &arg, const Shortcut &shortcut)
{
    arg.beginStructure();
    arg << shortcut.id << shortcut.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, Shortcut &shortcut)
{
    arg.beginStructure();
    arg >> shortcut.id >> shortcut.properties;
    arg.endStructure();
    return arg;
}

void registerTypes()
{
    static const bool registered = [] {
        // By name too: connecting a signal to a slot that takes one looks its type up by name.
        qRegisterMetaType<QDBusObjectPath>();
        qDBusRegisterMetaType<Shortcut>();
        qDBusRegisterMetaType<QList<Shortcut>>();
        return true;
    }();
    Q_UNUSED(registered);
}

QVariant shortcutList(const QList<Shortcut> &shortcuts)
{
    return QVariant::fromValue(shortcuts);
}

std::optional<QHash<QString, QString>> boundShortcuts(const QVariantMap &results)
{
    const QVariant value = results.value(u"shortcuts"_qs);
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument arg = value.value<QDBusArgument>();
    // Reading another shape would only give garbage.
    if (arg.currentSignature() != u"a(sa{sv})")
        return std::nullopt;
    QList<Shortcut> list;
    arg >> list;
    QHash<QString, QString> bound;
    for (const Shortcut &shortcut : list) {
        const QVariant description = shortcut.properties.value(u"trigger_description"_qs);
        bound.insert(shortcut.id, description.metaType() == QMetaType::fromType<QString>() ? description.toString() : QString());
    }
    return bound;
}

QString objectPath(const QVariant &value)
{
    QString path;
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        path = value.value<QDBusObjectPath>().path();
    else if (value.metaType() == QMetaType::fromType<QString>())
        path = value.toString();
    return isObjectPath(path) && path != u"/" ? path : QString();
}

QString trigger(Key key, KeyModifiers modifiers)
{
    const std::optional<quint32> keysym = MacKeyCodes::keysymForKey(key);
    char name[64];
    if (!keysym || xkb_keysym_get_name(*keysym, name, sizeof name) <= 0)
        return {};
    QStringList parts;
    if (modifiers.contains(KeyModifiers::control))
        parts << u"CTRL"_qs;
    if (modifiers.contains(KeyModifiers::option))
        parts << u"ALT"_qs;
    if (modifiers.contains(KeyModifiers::shift))
        parts << u"SHIFT"_qs;
    if (modifiers.contains(KeyModifiers::command))
        parts << u"LOGO"_qs;
    parts << QString::fromLatin1(name);
    return parts.join(u'+');
}
} // namespace PortalShortcutFormat
