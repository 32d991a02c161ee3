#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

class QRandomGenerator;

namespace TestSupport {
// The path of a helper program built from tests/programs/<name>/.
QString programPath(const QString &name);
// The path of a file of the build tree, e.g. "src/app/ringle-shortcuts".
QString buildPath(const QString &relative);

// A helper program driven by one command line in and one reply line out (the test editor, the
// clipboard tool). Waits run the event loop, so this process keeps serving the X server.
class LineProcess final {
public:
    LineProcess() = default;
    ~LineProcess();
    LineProcess(const LineProcess &) = delete;
    LineProcess &operator=(const LineProcess &) = delete;

    // Starts the program and waits for its "ready <pid>" line.
    bool start(const QString &program, const QStringList &args = {}, int timeoutMs = 10000);
    // Sends one command and returns its reply line (empty after the timeout).
    QByteArray request(const QByteArray &command, int timeoutMs = 10000);
    // Sends a command that gets no reply.
    void send(const QByteArray &command);
    qint64 pid() const { return m_pid; }
    QProcess &process() { return m_process; }

private:
    QByteArray readLine(int timeoutMs);

    QProcess m_process;
    QByteArray m_buffer;
    qint64 m_pid = 0;
};

// Waits until the window manager has made the window titled `title` of process `pid` the
// active one, asking for it now and then (a loaded machine may map a window before the window
// manager looks after it).
bool waitUntilActive(qint64 pid, const QString &title, int timeoutMs = 20000);

// Starts the test editor under a title of its own and waits until it is the active window.
bool startTestEditor(LineProcess &editor, const QString &title, const QStringList &extraArgs = {});

// The test editor's text encoding: a JSON array holding one string.
QByteArray encodeText(const QString &text);
QString decodeText(const QByteArray &json);

// The clipboard tool's content encoding: a JSON array of [type, base64] pairs.
using Formats = QList<QPair<QString, QByteArray>>;
QByteArray encodeFormats(const Formats &formats);
Formats decodeFormats(const QByteArray &json);

// The test editor's text, or a null string when it does not answer.
QString editorText(LineProcess &editor);
// Sets the editor's text and selects [from, to); false when it does not answer.
bool setAndSelect(LineProcess &editor, const QString &text, int from, int to);
// A test editor titled after the running test function, active, holding `text` with [from, to)
// selected; null when any of that fails.
std::unique_ptr<LineProcess> editorWith(const QString &text, int from, int to);
// The clipboard's content as another process reads it.
Formats clipboardFromOtherProcess();
// The formats by type, without the selection's meta targets and Qt's synthesised image type.
QHash<QString, QByteArray> contentOf(const Formats &formats);
// `size` bytes from `gen`, for clipboard content that no encoding step can silently fix up.
QByteArray randomBytes(QRandomGenerator &gen, qsizetype size);
} // namespace TestSupport
