#include "platform/wayland/shellextension.h"

#include "base/latencyprobe.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcShell, "ringle.wayland.gnome")
} // namespace

const QString ShellExtension::service = QStringLiteral("org.ringle.Shell");
const QString ShellExtension::path = QStringLiteral("/org/ringle/Shell");
const QString ShellExtension::interface = QStringLiteral("org.ringle.Shell");
const QString ShellExtension::uuid = QStringLiteral("ringle@ringle.org");

bool ShellExtension::isOffered(const QDBusConnection &bus)
{
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(service);
}

std::unique_ptr<ShellExtension> ShellExtension::create(QString *why, QDBusConnection bus)
{
    if (!isOffered(bus)) {
        if (why)
            *why = tr("Ringle's GNOME Shell extension is not enabled");
        return nullptr;
    }
    std::unique_ptr<ShellExtension> extension(new ShellExtension(std::move(bus)));
    if (!extension->registerWithShell(why))
        return nullptr;
    return extension;
}

ShellExtension::ShellExtension(QDBusConnection bus)
    : m_bus(std::move(bus))
    , m_watcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &owner) { ownerChanged(owner); });
    const auto follow = [this](const char *name, const char *slot) {
        m_bus.connect(service, path, interface, QString::fromLatin1(name), this, slot);
    };
    follow("ShortcutPressed", SLOT(onShortcutPressed(quint32, double, double, qlonglong)));
    follow("ShortcutReleased", SLOT(onShortcutReleased(quint32)));
    follow("WindowsChanged", SLOT(onWindowsChanged(QString)));
    follow("SurfacePointer", SLOT(onSurfacePointer(quint32, QString, double, double, quint32, quint32, double, double)));
    follow("SurfaceKey", SLOT(onSurfaceKey(quint32, bool, quint32, quint32, quint32, QString)));
    follow("SurfaceFocus", SLOT(onSurfaceFocus(quint32, bool)));
}

ShellExtension::~ShellExtension() = default;

bool ShellExtension::registerWithShell(QString *why)
{
    const QDBusMessage reply = call(u"Register"_qs, {});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
        const QString error = reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage()
                                                                         : tr("it did not answer");
        qCWarning(lcShell).noquote() << "Ringle's GNOME Shell extension refused Ringle:" << error;
        if (why)
            *why = tr("Ringle's GNOME Shell extension refused Ringle: %1").arg(error);
        m_connected = false;
        return false;
    }
    m_shellMajor = reply.arguments().at(0).toString().toInt();
    m_connected = true;
    // The first report comes by signal too, but the window in front is wanted from the start.
    const QDBusMessage report = call(u"Report"_qs, {});
    if (report.type() == QDBusMessage::ReplyMessage && !report.arguments().isEmpty())
        takeReport(report.arguments().at(0).toString());
    return true;
}

void ShellExtension::ownerChanged(const QString &newOwner)
{
    if (m_connected) {
        m_connected = false;
        m_latest = WindowReport();
        qCWarning(lcShell) << "Ringle's GNOME Shell extension went away";
        Q_EMIT lost();
    }
    if (!newOwner.isEmpty() && registerWithShell(nullptr)) {
        qCInfo(lcShell) << "Ringle's GNOME Shell extension is back";
        Q_EMIT returned();
    }
}

QDBusMessage ShellExtension::call(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return m_bus.call(message, QDBus::Block, int(callTimeout.count()));
}

void ShellExtension::send(const QString &method, const QVariantList &arguments, std::function<void()> answered,
                          std::function<void(const QString &error)> failed)
{
    if (!m_connected)
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, int(callTimeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [method, answered = std::move(answered), failed = std::move(failed)](QDBusPendingCallWatcher *w) {
                if (w->isError()) {
                    qCWarning(lcShell).noquote() << "the GNOME Shell extension refused" << method << "-" << w->error().message();
                    if (failed)
                        failed(w->error().message());
                } else if (answered) {
                    answered();
                }
                w->deleteLater();
            });
}

std::optional<QPointF> ShellExtension::pointer()
{
    if (!m_connected)
        return m_pointer;
    const QDBusMessage reply = call(u"Pointer"_qs, {});
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 2)
        m_pointer = QPointF(reply.arguments().at(0).toDouble(), reply.arguments().at(1).toDouble());
    return m_pointer;
}

void ShellExtension::takeReport(const QString &json)
{
    std::optional<WindowReport> report = WindowReport::parse(json.toUtf8());
    if (!report) {
        qCWarning(lcShell) << "the GNOME Shell extension sent a report Ringle cannot read";
        return;
    }
    const QString before = m_latest.frontAppId();
    m_latest = std::move(*report);
    if (m_latest.cursor)
        m_pointer = QPointF(*m_latest.cursor);
    if (const QString now = m_latest.frontAppId(); now != before)
        qCInfo(lcShell).noquote() << "in front:" << (now.isEmpty() ? u"nothing"_qs : now);
    Q_EMIT reported();
}

void ShellExtension::onShortcutPressed(quint32 id, double x, double y, qlonglong monotonicTime)
{
    // GLib's monotonic clock is the one the latency marks use.
    LatencyProbe::markAt("shell press", monotonicTime);
    m_pointer = QPointF(x, y);
    Q_EMIT shortcutPressed(id);
}

void ShellExtension::onShortcutReleased(quint32 id)
{
    Q_EMIT shortcutReleased(id);
}

void ShellExtension::onWindowsChanged(const QString &json)
{
    takeReport(json);
}

void ShellExtension::onSurfacePointer(quint32 id, const QString &type, double x, double y, quint32 button,
                                      quint32 state, double dx, double dy)
{
    m_pointer = QPointF(x, y);
    Q_EMIT surfacePointer(id, type, *m_pointer, button, state, QPointF(dx, dy));
}

void ShellExtension::onSurfaceKey(quint32 id, bool pressed, quint32 keycode, quint32 keysym, quint32 state,
                                  const QString &text)
{
    Q_EMIT surfaceKey(id, pressed, keycode, keysym, state, text);
}

void ShellExtension::onSurfaceFocus(quint32 id, bool has)
{
    Q_EMIT surfaceFocus(id, has);
}
