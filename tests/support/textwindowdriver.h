#pragma once

#include <QProcess>
#include <QRect>
#include <QString>

// Drives tests/programs/accessibletextwindow in its own process (a process cannot answer
// accessibility calls while it is the one waiting for them). Needs RINGLE_BUILD_DIR.
class TextWindowDriver final {
public:
    TextWindowDriver() = default;
    TextWindowDriver(const TextWindowDriver &) = delete;
    TextWindowDriver &operator=(const TextWindowDriver &) = delete;
    ~TextWindowDriver();

    // Starts the window and waits until it is shown.
    bool start();
    // Sends one command and returns its one-line answer (empty after 5 s without one).
    QString send(const QString &command);
    // A command answered with "x y w h"; an invalid rectangle otherwise.
    QRect rect(const QString &command);
    qint64 pid() const { return m_process.processId(); }

private:
    QString readLine();

    QProcess m_process;
};
