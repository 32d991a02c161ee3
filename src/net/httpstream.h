#pragma once

#include "net/curlmulti.h"
#include "net/httpfailure.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QCoroTask>
#include <chrono>
#include <memory>
#include <optional>

struct CurlLibrary;
struct HttpRequest;

// The answer to one request, read as its body arrives. At most a small buffer of it waits for us:
// while we do not read, the transfer is paused and TCP holds the server back. Destroying the stream
// drops the request. Failures are thrown as HttpFailure; an HTTP status of any kind is an answer.
class HttpStream final : public QObject, private CurlMulti::Transfer {
public:
    // `tlsAuthorities`: PEM certificates to trust instead of the system's store, or empty. Where
    // libcurl cannot be loaded, every read fails and says so.
    HttpStream(std::shared_ptr<CurlMulti> multi, const HttpRequest &request, const QByteArray &tlsAuthorities);
    ~HttpStream() override;

    // The body bytes that arrived since the last call, or nothing once the body is complete.
    QCoro::Task<std::optional<QByteArray>> nextChunk();
    // The rest of the body.
    QCoro::Task<QByteArray> readRest();
    // Known once the head arrived (it has, after the first nextChunk()).
    std::optional<int> statusCode() const;
    // The address the answer came from, after redirects.
    QUrl finalUrl() const;
    // Drops the request; the pending or next read throws HttpFailure::Kind::cancelled.
    void cancel();

private:
    class Activity;

    static size_t onBody(char *data, size_t size, size_t count, void *self);
    size_t takeBody(const char *data, size_t size);
    void begin(const CurlLibrary *curl, const HttpRequest &request, const QByteArray &tlsAuthorities);
    void transferDone(CURLcode result) override;
    void detach();
    bool hasNews() const;
    [[noreturn]] void throwFailure() const;

    std::shared_ptr<CurlMulti> m_multi;
    const CurlLibrary *m_curl = nullptr; // set once loaded
    CURL *m_easy = nullptr;              // none before libcurl is loaded, or when it cannot be
    struct curl_slist *m_headers = nullptr;
    char m_errorText[CURL_ERROR_SIZE] = {};
    bool m_attached = false;

    QByteArray m_buffer; // arrived, not yet read
    bool m_paused = false;
    qint64 m_received = 0;
    qint64 m_maxBodyBytes;
    std::optional<CURLcode> m_result; // set once the transfer ended

    QTimer m_inactivity;
    bool m_timedOut = false;
    bool m_cancelled = false;
    bool m_tooLarge = false;
    Activity *m_waiting = nullptr;
};
