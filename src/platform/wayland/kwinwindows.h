#pragma once

#include "platform/wayland/windowreport.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QTemporaryFile>
#include <memory>

// The windows on a KWin desktop, as Ringle's KWin script reports them over the session bus. The
// script is loaded once, for as long as this object lives; a script a crashed Ringle left behind
// goes first.
class KWinWindows final : public QObject, public WindowReports, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.ringle.KWinWindows")
public:
    static const QString pluginName;
    static const QString objectPath;

    // None where KWin's scripting is not on the bus or it refuses the script.
    static std::unique_ptr<KWinWindows> create(QDBusConnection bus = QDBusConnection::sessionBus());
    ~KWinWindows() override;

    // Empty until the script's first report.
    const WindowReport &latest() const override { return m_latest; }
    bool hasReported() const { return m_reported; }

public Q_SLOTS:
    // From the script only; anyone else is refused.
    Q_SCRIPTABLE Q_NOREPLY void report(const QString &json);

Q_SIGNALS:
    void reported();

private:
    explicit KWinWindows(QDBusConnection bus);
    bool load();
    void unload();

    QDBusConnection m_bus;
    // Who KWin is on the bus, followed rather than asked at every report.
    QDBusServiceWatcher m_kwinWatcher;
    QString m_kwinOwner;
    QTemporaryFile m_script;
    WindowReport m_latest;
    bool m_reported = false;
    bool m_loaded = false;
};
