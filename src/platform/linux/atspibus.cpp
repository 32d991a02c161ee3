#include "platform/linux/atspibus.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gio/gio.h>

namespace {
constexpr int addressCallTimeoutMs = 1000; // the first call may start the bus launcher
constexpr int statusCallTimeoutMs = 250;

// The session bus, when one is configured; never one started on demand (dbus-launch).
GDBusConnection *sessionBus()
{
    const bool configured = !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        || (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
            && QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")));
    if (!configured)
        return nullptr;
    return g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
}

QByteArray addressFromSessionBus(GDBusConnection *session)
{
    GVariant *reply = g_dbus_connection_call_sync(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                                  "GetAddress", nullptr, G_VARIANT_TYPE("(s)"),
                                                  G_DBUS_CALL_FLAGS_NONE, addressCallTimeoutMs, nullptr, nullptr);
    if (!reply)
        return {};
    const gchar *text = nullptr;
    g_variant_get(reply, "(&s)", &text);
    const QByteArray address(text);
    g_variant_unref(reply);
    return address;
}

// A bus is usable when a connection to it can be opened and registered.
bool answers(const QByteArray &address)
{
    const auto flags = GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT
                                            | G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION);
    GDBusConnection *connection = g_dbus_connection_new_for_address_sync(address.constData(), flags, nullptr, nullptr, nullptr);
    if (!connection)
        return false;
    g_dbus_connection_close_sync(connection, nullptr, nullptr);
    g_object_unref(connection);
    return true;
}

// Whether toolkits were asked to take part (a screen reader runs, or the desktop's assistive
// technologies setting is on); none when the session bus cannot say.
std::optional<bool> toolkitsEnabled(GDBusConnection *session)
{
    std::optional<bool> enabled;
    for (const char *property : {"IsEnabled", "ScreenReaderEnabled"}) {
        GVariant *reply = g_dbus_connection_call_sync(
            session, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Get",
            g_variant_new("(ss)", "org.a11y.Status", property), G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NONE,
            statusCallTimeoutMs, nullptr, nullptr);
        if (!reply)
            continue;
        GVariant *value = nullptr;
        g_variant_get(reply, "(v)", &value);
        if (value && g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN))
            enabled = enabled.value_or(false) || g_variant_get_boolean(value);
        if (value)
            g_variant_unref(value);
        g_variant_unref(reply);
    }
    return enabled;
}
} // namespace

namespace AtspiBus {
QString explanation(AccessibilityStatus::State state)
{
    switch (state) {
    case AccessibilityStatus::State::available:
        return {};
    case AccessibilityStatus::State::notEnabled:
        return QCoreApplication::translate(
            "Accessibility",
            "Some applications (Qt, Chromium, Electron) share their text with assistive tools only "
            "while the desktop's accessibility support is on, so Ringle may not see their selection "
            "or caret. Turn it on in the desktop's accessibility settings.");
    case AccessibilityStatus::State::missing:
        break;
    }
    return QCoreApplication::translate(
        "Accessibility",
        "The accessibility bus is not running, so Ringle cannot see the selection or the caret in "
        "other applications. Its actions still work, with results shown next to the pointer. Install "
        "at-spi2-core and log in again.");
}

Probe probe(const std::function<QByteArray()> &displayAddress)
{
    Probe result;
    GDBusConnection *session = nullptr;
    // The order the accessibility library itself looks in; the first bus that answers wins.
    const auto use = [&](const QByteArray &address) {
        if (address.isEmpty() || !answers(address))
            return false;
        result.address = address;
        return true;
    };
    if (!use(qgetenv("AT_SPI_BUS_ADDRESS")) && !(displayAddress && use(displayAddress()))) {
        session = sessionBus();
        if (session)
            use(addressFromSessionBus(session));
    }
    if (result.address.isEmpty()) {
        result.status = {AccessibilityStatus::State::missing, explanation(AccessibilityStatus::State::missing)};
    } else {
        if (!session)
            session = sessionBus();
        const std::optional<bool> enabled = session ? toolkitsEnabled(session) : std::nullopt;
        const auto state = enabled == false ? AccessibilityStatus::State::notEnabled : AccessibilityStatus::State::available;
        result.status = {state, explanation(state)};
    }
    if (session)
        g_object_unref(session);
    return result;
}
} // namespace AtspiBus
