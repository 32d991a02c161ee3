#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <chrono>
#include <optional>

class QSocketNotifier;

// A view (a window of a client) in sway's tree.
struct SwayWindow {
    qint64 pid = 0;
    QString appId; // app_id, or the X11 class for XWayland windows
    QRect rect;       // outer rectangle in layout coordinates
    QRect windowRect; // content area, relative to rect
    qint64 id = 0;
    bool xwayland = false;
    QString name;

    // Where the window's own coordinates start on the desktop.
    QPoint contentOrigin() const { return rect.topLeft() + windowRect.topLeft(); }
    friend bool operator==(const SwayWindow &, const SwayWindow &) = default;
};

// A client of sway's IPC socket: synchronous requests bounded by a deadline on one connection,
// events read as they come on another.
class SwayIpc final : public QObject {
    Q_OBJECT
public:
    enum Message : quint32 {
        RunCommand = 0,
        GetWorkspaces = 1,
        Subscribe = 2,
        GetOutputs = 3,
        GetTree = 4,
        GetVersion = 7,
        GetConfig = 9,
        SendTick = 10,
        GetSeats = 101,
    };
    enum Event : quint32 {
        WorkspaceEvent = 0x80000000,
        WindowEvent = 0x80000003,
        BindingEvent = 0x80000005,
        ShutdownEvent = 0x80000006,
        TickEvent = 0x80000007,
    };
    struct CommandResult {
        bool success = false;
        QString error;
    };

    // $SWAYSOCK; empty outside sway.
    static QString socketPath();
    // `word` as one argument of a sway command, quoted when it needs to be.
    static QString quoted(const QString &word);

    explicit SwayIpc(QString socketPath, QObject *parent = nullptr);
    ~SwayIpc() override;

    // Connects and subscribes to the events; false when sway does not answer within `timeout`.
    bool open(std::chrono::milliseconds timeout);
    bool isOpen() const { return m_eventFd >= 0; }

    // The reply's JSON; none on timeout, when sway is gone, or when the reply makes no sense.
    std::optional<QJsonValue> request(quint32 type, const QByteArray &payload,
                                      std::chrono::milliseconds timeout);
    // One result per command of `command` (separated by ';' or ',') up to the first that failed, where
    // sway stops; empty without an answer.
    QList<CommandResult> runCommand(const QString &command, std::chrono::milliseconds timeout);
    std::optional<SwayWindow> focusedWindow(std::chrono::milliseconds timeout);
    QList<SwayWindow> windows(std::chrono::milliseconds timeout);
    // The visible workspace's rectangle on the output: the output less its bars.
    std::optional<QRect> usableArea(const QString &outputName, std::chrono::milliseconds timeout);
    std::optional<QString> configText(std::chrono::milliseconds timeout);

Q_SIGNALS:
    void bindingTriggered(const QString &command, const QString &inputType);
    // sway forgets the bindings added at run time when it reloads its configuration.
    void configReloaded();
    // For a window that has just opened, the rectangles may not be laid out yet.
    void focusChanged(const SwayWindow &window);
    // sway quit or spoke nonsense; emitted once per open().
    void disconnected();

private:
    void readEvents();
    void dispatchEvent(quint32 type, const QByteArray &payload);
    void closeRequestSocket();
    void closeAll();
    // Forgets both connections; `later` when the caller is in the middle of a request.
    void lose(bool later);

    QString m_path;
    int m_requestFd = -1;
    int m_eventFd = -1;
    QSocketNotifier *m_eventNotifier = nullptr;
    QByteArray m_eventBuffer;
    quint64 m_generation = 0;
    bool m_lost = false;
};
