#pragma once

#include "platform/wayland/windowreport.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QPointF>
#include <QVariantList>
#include <chrono>
#include <functional>
#include <memory>

// Ringle's GNOME Shell extension, seen from Ringle: registered with once, then its reports of the
// windows and its shortcut and surface events arrive as signals meant for this process alone. The
// extension may be turned off and on again while Ringle runs; Ringle registers again when it
// returns.
class ShellExtension final : public QObject, public WindowReports {
    Q_OBJECT
public:
    static const QString service;
    static const QString path;
    static const QString interface;
    static const QString uuid;
    // How long a question to the shell may take before Ringle goes on without the answer.
    static constexpr std::chrono::milliseconds callTimeout{1000};

    // Whether the extension is on the bus (enabled in a running GNOME Shell).
    static bool isOffered(const QDBusConnection &bus = QDBusConnection::sessionBus());
    // None when the extension is not there or refuses Ringle (`why` says which).
    static std::unique_ptr<ShellExtension> create(QString *why = nullptr,
                                                  QDBusConnection bus = QDBusConnection::sessionBus());
    ~ShellExtension() override;

    bool isConnected() const { return m_connected; }
    // GNOME Shell's major version, as the extension told it.
    int shellMajor() const { return m_shellMajor; }
    const WindowReport &latest() const override { return m_latest; }
    // Where the pointer is now, asked of the shell; where it last told (at a press, in a report,
    // over a surface) when it does not answer.
    std::optional<QPointF> pointer();

    // Waits for the answer (at most callTimeout); an invalid reply when there is none.
    QDBusMessage call(const QString &method, const QVariantList &arguments);
    // Sends without waiting; errors are logged (and told to `failed`). The shell takes calls in the
    // order they are sent.
    void send(const QString &method, const QVariantList &arguments, std::function<void()> answered = {},
              std::function<void(const QString &error)> failed = {});

Q_SIGNALS:
    void shortcutPressed(quint32 id);
    void shortcutReleased(quint32 id);
    void reported();
    // `type` is "enter", "leave", "motion", "press", "release", "scroll" (steps) or
    // "smooth-scroll" (pixels); positions on the desktop.
    void surfacePointer(quint32 id, const QString &type, QPointF global, quint32 button, quint32 state,
                        QPointF delta);
    // `keycode` is the keymap's (evdev + 8); `state` Clutter's modifier mask.
    void surfaceKey(quint32 id, bool pressed, quint32 keycode, quint32 keysym, quint32 state, const QString &text);
    void surfaceFocus(quint32 id, bool has);
    // The extension left the bus; what it showed and bound for Ringle went with it.
    void lost();
    // It came back and Ringle is registered again: bind and show anew.
    void returned();

private Q_SLOTS:
    void onShortcutPressed(quint32 id, double x, double y, qlonglong monotonicTime);
    void onShortcutReleased(quint32 id);
    void onWindowsChanged(const QString &json);
    void onSurfacePointer(quint32 id, const QString &type, double x, double y, quint32 button, quint32 state,
                          double dx, double dy);
    void onSurfaceKey(quint32 id, bool pressed, quint32 keycode, quint32 keysym, quint32 state, const QString &text);
    void onSurfaceFocus(quint32 id, bool has);

private:
    explicit ShellExtension(QDBusConnection bus);
    bool registerWithShell(QString *why);
    void ownerChanged(const QString &newOwner);
    void takeReport(const QString &json);

    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    WindowReport m_latest;
    std::optional<QPointF> m_pointer;
    int m_shellMajor = 0;
    bool m_connected = false;
};
