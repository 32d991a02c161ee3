#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <optional>

namespace TestSupport {
// The app as a user runs it, in a configuration home of its own, with its resultPanel, wheel and
// controller diagnostics on, each line starting with the seconds since the app started. Waits run
// the event loop.
class RingleProcess final {
public:
    // The app's executable: the build's, or the copy a session runs (RINGLE_APP).
    static QString appPath();

    RingleProcess();
    ~RingleProcess();
    RingleProcess(const RingleProcess &) = delete;
    RingleProcess &operator=(const RingleProcess &) = delete;

    QString configHome() const { return m_config.path(); }
    // Its XDG_DATA_HOME, also a folder of its own (site icons live there).
    QString dataHome() const { return m_data.path(); }
    // Runs another executable of the app (a copy the desktop grants less); before start().
    void setProgram(const QString &program) { m_program = program; }
    // Sets a variable of the app's environment (and of its config commands); before start().
    void setEnvironment(const QString &name, const QString &value);
    qint64 pid() const { return m_process.processId(); }
    // `program` (the app by default) run to its end with `arguments` in this configuration home:
    // its exit status, -1 when it did not end within 30 s; `out` takes its standard output.
    int command(const QStringList &arguments, QString *out = nullptr, const QString &program = appPath()) const;
    // `ringle config set KEY VALUE` in this configuration home; false when it refused.
    bool configure(const QString &key, const QString &value);
    // `ringle --settings`: the running app opens its settings window.
    bool openSettings();
    // Points the app at an Ollama-style model server, such as the test model server.
    bool useModelServer(const QUrl &server);
    // Starts the app and waits until it listens for the wheel's shortcut and mouse button.
    bool start();
    // Sends the app a signal and waits for its end: the milliseconds it took, or none when it
    // was still running after `timeoutMs` (it is killed then). A clean end only: exit code 0.
    std::optional<qint64> signalAndWait(int signalNumber, int timeoutMs);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    // `ringle config get KEY` in this configuration home; none when it refused.
    std::optional<QString> configured(const QString &key);
    // The first diagnostics line containing `text` after those already looked at; empty after the
    // timeout. Lines before the one found are looked at too.
    QString waitForLine(const QString &text, int timeoutMs = 15000);
    // Whether a line containing `text` comes within `ms`; lines up to then are looked at.
    bool seesWithin(const QString &text, int ms);
    // Everything the app said so far, for failure messages.
    QString transcript() const { return m_lines.join(QLatin1Char('\n')); }
    // Lines not looked at yet, without waiting.
    QStringList unreadLines();
    // The seconds since start-up a diagnostics line begins with; nullopt for any other line.
    static std::optional<double> secondsOf(const QString &line);
    // The result panel's diagnostics line for a state: kind "working", "failed", "result", "done".
    static QString resultPanelShows(const QString &kind, const QString &text);

private:
    void readOutput();

    QString m_program = appPath();
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    QProcess m_process;
    QByteArray m_buffer;
    QStringList m_lines;
    qsizetype m_read = 0;
};
} // namespace TestSupport
