#pragma once

#include "cannedresponse.h"
#include "stdinlines.h"

#include <QJsonObject>
#include <QObject>
#include <QQueue>
#include <QTcpServer>
#include <memory>
#include <optional>

// Listens on 127.0.0.1 (plain or TLS), answers every request with the next queued response (or the default one),
// and reports what happened as JSON lines on standard output. Commands arrive as JSON lines on
// standard input; the end of standard input ends the server.
class TestModelServer final : public QObject {
public:
    // With a certificate and key (PEM files) it speaks https.
    TestModelServer(const QString &certificateFile = {}, const QString &keyFile = {});

    bool listen(quint16 port = 0);
    quint16 port() const { return m_server->serverPort(); }

    CannedResponse takeResponse();
    bool isRecording() const { return m_recording; }
    // Requests are numbered from 1 in the order they arrive; events name the request they belong to.
    qint64 nextRequestId() { return ++m_requests; }
    void emitEvent(const QJsonObject &event);
    static qint64 monotonicNanoseconds();

private:
    void runCommand(const QByteArray &line);

    std::unique_ptr<QTcpServer> m_server;
    StdinLines m_stdin;
    QQueue<CannedResponse> m_queue;
    std::optional<CannedResponse> m_default;
    bool m_recording = true;
    qint64 m_requests = 0;
};
