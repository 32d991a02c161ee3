#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QUrl>

// The test model server (tests/programs/testmodelserver) as a child process, scripted line by line.
// Waits block the calling test (never product code) and fail the test through QVERIFY-friendly results.
class ModelServerProcess final {
public:
    // `arguments`: the server's own (a certificate and key for https).
    explicit ModelServerProcess(const QStringList &arguments = {});
    // Plain http on this port, such as a real server's usual one.
    explicit ModelServerProcess(quint16 port);
    ~ModelServerProcess();

    bool isRunning() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    // http://127.0.0.1:port, or https:// when started with a certificate.
    QUrl url() const;

    // Scripting; each returns once the server acknowledged the command.
    bool enqueue(const QJsonObject &response);
    bool setDefault(const QJsonObject &response);
    bool setRecording(bool on);

    // Event lines of one kind ("request", "wrote", "disconnected") seen so far, waiting up to
    // timeoutMs for at least `atLeast` of them. Every event carries the "id" of its request.
    QList<QJsonObject> events(const QString &kind, int atLeast = 0, int timeoutMs = 5000);
    QList<QJsonObject> requests(int atLeast = 1, int timeoutMs = 5000) { return events(QStringLiteral("request"), atLeast, timeoutMs); }
    // Drops every event that arrived so far, so a test sees only its own requests.
    void forgetEvents();

    // Responses in the server's JSON form.
    static QJsonObject json(int status, const QJsonObject &body);
    static QJsonObject text(int status, const QByteArray &body, const QByteArray &contentType = "text/plain");
    static QJsonObject completion(const QString &content);
    static QJsonObject modelList(const QStringList &ids);
    // The same response with its body sent only after `delayMs`.
    static QJsonObject delayed(QJsonObject response, int delayMs);
    // A server-sent-event line carrying one delta of a streamed answer.
    static QByteArray deltaEvent(const QString &content);
    // A streamed answer: each line its own chunk, `delayMs` apart.
    static QJsonObject eventStream(const QList<QByteArray> &lines, int delayMs = 0, bool reportWrites = false);

private:
    ModelServerProcess(const QStringList &arguments, bool secure);
    bool command(const QJsonObject &command);
    bool readEvents(int timeoutMs);

    QProcess m_process;
    quint16 m_port = 0;
    bool m_secure = false;
    QByteArray m_buffer;
    QList<QJsonObject> m_events;
};
