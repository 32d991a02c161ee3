#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) as a Qt signal on the main
// thread, so they quit the app the way "Quit Ringle" does instead of ending it on the spot. The
// handler only writes the signal's number to a socket the event loop watches. One per process.
class QuitSignals final : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject *parent = nullptr);
    // Puts the default handling back.
    ~QuitSignals() override;

    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
};
