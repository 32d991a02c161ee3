#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <utility>

// One scripted answer of the test server, read from its JSON form:
//   {"status": 200, "reason": "OK", "headers": {"Content-Type": "application/json"},
//    "parts": [{"text": "…" | "base64": "…", "repeat": 1 (-1: forever), "delayMs": 0, "report": false}],
//    "framing": "length" | "chunked" | "close", "abort": false, "closeAfter": false}
// "abort" drops the connection after the last part, before the body is complete. With "raw": true
// the parts are the whole response, status line and head included, and the connection closes after it.
struct CannedResponse {
    enum class Framing { length, chunked, close };

    struct Part {
        QByteArray data;
        qint64 repeat = 1; // -1: until the client goes away
        int delayMs = 0;
        bool report = false; // tell the test when this part was written
    };

    int status = 200;
    QByteArray reason;
    QList<std::pair<QByteArray, QByteArray>> headers;
    QList<Part> parts;
    Framing framing = Framing::length;
    bool abort = false;
    bool closeAfter = false;
    bool raw = false;

    static CannedResponse fromJson(const QJsonObject &json);
    static CannedResponse nothingQueued();
    // Bytes of the whole body, or -1 when a part repeats forever.
    qint64 bodyLength() const;
};
