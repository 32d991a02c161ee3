#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>
#include <chrono>
#include <utility>

// One request and what its answer may cost.
struct HttpRequest {
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    QByteArray method = "GET";
    QUrl url;
    Headers headers;
    QByteArray body;
    // How long the server may stay silent while we wait for it (connecting included).
    std::chrono::milliseconds inactivityTimeout = std::chrono::seconds(30);
    // More body bytes than this end the request with HttpFailure::Kind::tooLarge.
    qint64 maxBodyBytes = 32 * 1024 * 1024;
    // Redirects followed before the request fails; 0 hands the redirect itself back.
    int maxRedirects = 10;
};
