#pragma once

#include <QObject>
#include <QString>
#include <chrono>

class QLocalServer;
class QLocalSocket;

// One Ringle runs per user, display and settings file: the first one listens on a local socket, and a
// later start hands its request to it and ends instead of grabbing the same keys a second time.
class InstanceChannel final : public QObject {
    Q_OBJECT
public:
    enum class Request {
        none,         // a plain second start
        openSettings, // `ringle --settings`
        wheelPress,   // `ringle wheel press`
        wheelRelease, // `ringle wheel release`
        wheelToggle,  // `ringle wheel toggle`
    };
    static constexpr std::chrono::milliseconds handOverTimeout{2000};

    explicit InstanceChannel(QString name, QObject *parent = nullptr);
    ~InstanceChannel() override;

    // A socket name unique to this user's display and settings file, in the runtime directory.
    static QString nameFor(const QByteArray &display, const QString &settingsPath);
    // The display a session is told apart by: the Wayland compositor where there is one (whichever
    // backend runs on it), else the X display.
    static QByteArray sessionDisplay();
    QString name() const { return m_name; }

    // Offers `request` to a running instance; answers through handOverFinished.
    void handOver(Request request);
    // Becomes the running instance. False when the socket cannot be set up.
    bool listen();

Q_SIGNALS:
    void handOverFinished(bool delivered);
    void requestReceived(InstanceChannel::Request request);

private:
    void finishHandOver(bool delivered);
    void serve(QLocalSocket *socket);

    QString m_name;
    QLocalSocket *m_client = nullptr;
    QLocalServer *m_server = nullptr;
};
