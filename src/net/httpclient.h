#pragma once

#include "net/httprequest.h"
#include "net/httpstream.h"

#include <QByteArray>
#include <memory>

class CurlMulti;

// Sends HTTP requests through libcurl on the Qt event loop: redirects followed up to the request's
// bound (never from https down to http), TLS checked against the system's certificate store, the
// proxy taken from the environment (http_proxy, https_proxy, no_proxy) at each request.
// Main thread only.
class HttpClient final {
public:
    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient &) = delete;
    HttpClient &operator=(const HttpClient &) = delete;

    // Starts the request; the stream reads its answer.
    std::unique_ptr<HttpStream> open(const HttpRequest &request);

    // PEM certificate authorities to trust instead of the system's store; for tests with their own.
    void trustOnly(const QByteArray &pemAuthorities) { m_authorities = pemAuthorities; }

private:
    std::shared_ptr<CurlMulti> m_multi;
    QByteArray m_authorities;
};
