#pragma once

#include "cannedresponse.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QTcpSocket;
class TestModelServer;

// One client connection: reads HTTP/1.1 requests (keep-alive) and writes the scripted answers,
// no faster than the client takes them, so endless or huge bodies cost the server little memory.
class ServerConnection final : public QObject {
public:
    ServerConnection(QTcpSocket *socket, TestModelServer &server);

private:
    void readRequests();
    bool takeRequest();
    void startResponse(const CannedResponse &response);
    void pump();
    void writeBody(const QByteArray &block);
    void finishResponse();
    void onDisconnected();

    QTcpSocket *m_socket;
    TestModelServer &m_server;
    QByteArray m_input;
    bool m_responding = false;
    qint64 m_requestId = 0;
    CannedResponse m_response;
    qsizetype m_part = 0;
    qint64 m_repeatsLeft = 0;
    bool m_partStarted = false;
    bool m_delayDone = false;
    bool m_pumping = false;
    QTimer m_delay;
};
