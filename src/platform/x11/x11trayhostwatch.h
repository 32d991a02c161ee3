#pragma once

#include <QColor>
#include <QObject>
#include <memory>

class X11Connection;
class X11SelectionWatch;

// Says when a system tray may have started or gone: the XEmbed tray's manager selection changing
// owner, or a StatusNotifierItem watcher registering on the session bus. Lets the tray icon wait
// for a tray without looking for one on a timer.
class X11TrayHostWatch final : public QObject {
    Q_OBJECT
public:
    explicit X11TrayHostWatch(X11Connection &connection, QObject *parent = nullptr);
    ~X11TrayHostWatch() override;

    // False when the X server cannot report selection owners (no XFixes).
    bool isActive() const;
    // Whether an XEmbed tray runs on the screen now.
    bool hasXembedTray() const;
    // The icon colour the XEmbed tray asks for (_NET_SYSTEM_TRAY_COLORS), or invalid when there is
    // no such tray or it does not say.
    QColor xembedForeground() const;

Q_SIGNALS:
    void trayHostsChanged();

private:
    quint32 xembedManager() const;

    X11Connection &m_connection;
    QByteArray m_xembedSelection;
    std::unique_ptr<X11SelectionWatch> m_xembedTray;
};
