#include "net/httpstream.h"

#include "net/curllibrary.h"
#include "net/httprequest.h"
#include "net/netlogging.h"
#include "net/proxyenvironment.h"

#include <algorithm>
#include <coroutine>

namespace {
// What may wait for us before the transfer pauses, and what one read takes.
constexpr qsizetype kBufferBytes = 256 * 1024;
constexpr qsizetype kReadBytes = 64 * 1024;

HttpFailure::Kind kindOf(CURLcode result)
{
    switch (result) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_OPERATION_TIMEDOUT:
        return HttpFailure::Kind::unreachable;
    case CURLE_UNSUPPORTED_PROTOCOL: // HTTP/0.9, i.e. no status line at all
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_HTTP2:
        return HttpFailure::Kind::notHttp;
    default:
        return HttpFailure::Kind::other;
    }
}
} // namespace

// Suspends the reading coroutine until the transfer has news: data, its end, or silence for too
// long. It is resumed from the event loop, never from inside curl: the coroutine may drop the
// request, and curl must not be called back into from its own callbacks.
class HttpStream::Activity final {
public:
    explicit Activity(HttpStream &stream)
        : m_stream(stream)
    {
    }
    ~Activity()
    {
        if (m_stream.m_waiting == this)
            m_stream.m_waiting = nullptr;
        QObject::disconnect(m_timeout);
    }

    bool await_ready() const { return m_stream.hasNews(); }
    void await_suspend(std::coroutine_handle<> handle)
    {
        m_handle = handle;
        m_stream.m_waiting = this;
        m_timeout = QObject::connect(&m_stream.m_inactivity, &QTimer::timeout, &m_stream, [this] { wakeUp(); });
    }
    void await_resume() {}

    void wakeUp()
    {
        if (m_stream.m_waiting != this)
            return;
        m_stream.m_waiting = nullptr;
        QObject::disconnect(m_timeout);
        QMetaObject::invokeMethod(
            &m_stream, [waiting = m_handle] { waiting.resume(); }, Qt::QueuedConnection);
    }

private:
    HttpStream &m_stream;
    std::coroutine_handle<> m_handle;
    QMetaObject::Connection m_timeout;
};

HttpStream::HttpStream(std::shared_ptr<CurlMulti> multi, const HttpRequest &request, const QByteArray &tlsAuthorities)
    : m_multi(std::move(multi))
    , m_maxBodyBytes(request.maxBodyBytes)
{
    m_inactivity.setSingleShot(true);
    m_inactivity.setInterval(request.inactivityTimeout);
    connect(&m_inactivity, &QTimer::timeout, this, [this] { m_timedOut = true; });
    // libcurl is loaded with the first request, not before (see CurlLibrary).
    CurlLibrary::whenLoaded(this, [this, request, tlsAuthorities](const CurlLibrary *curl) { begin(curl, request, tlsAuthorities); });
}

void HttpStream::begin(const CurlLibrary *curl, const HttpRequest &request, const QByteArray &tlsAuthorities)
{
    if (m_cancelled)
        return;
    if (!curl) {
        // Every read ends in this failure; nothing is asked of curl.
        const QByteArray why = ("Ringle cannot load libcurl: " + CurlLibrary::loadError()).toUtf8().left(CURL_ERROR_SIZE - 1);
        std::copy(why.cbegin(), why.cend(), m_errorText);
        transferDone(CURLE_FAILED_INIT);
        return;
    }
    m_curl = curl;
    m_easy = m_curl->easy_init();
    const QByteArray url = request.url.toEncoded();
    m_curl->easy_setopt(m_easy, CURLOPT_URL, url.constData());
    m_curl->easy_setopt(m_easy, CURLOPT_PRIVATE, static_cast<CurlMulti::Transfer *>(this));
    m_curl->easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_errorText);
    m_curl->easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    m_curl->easy_setopt(m_easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    const bool secure = request.url.scheme() == QLatin1String("https");
    m_curl->easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // Never from https down to plain http.
    m_curl->easy_setopt(m_easy, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    m_curl->easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, request.maxRedirects > 0 ? 1L : 0L);
    m_curl->easy_setopt(m_easy, CURLOPT_MAXREDIRS, long(request.maxRedirects));
    const QByteArray proxy = proxyFor(request.url, ProxyEnvironment::fromProcess()).toUtf8();
    m_curl->easy_setopt(m_easy, CURLOPT_PROXY, proxy.constData()); // empty: direct, whatever curl would read itself
    if (!tlsAuthorities.isEmpty()) {
        curl_blob authorities{const_cast<char *>(tlsAuthorities.constData()), size_t(tlsAuthorities.size()),
                              CURL_BLOB_COPY};
        m_curl->easy_setopt(m_easy, CURLOPT_CAINFO_BLOB, &authorities);
        m_curl->easy_setopt(m_easy, CURLOPT_CAPATH, nullptr);
    }

    for (const auto &[name, value] : request.headers)
        m_headers = m_curl->slist_append(m_headers, QByteArray(name + ": " + value).constData());
    m_headers = m_curl->slist_append(m_headers, "Expect:"); // no 100-continue round trip
    m_curl->easy_setopt(m_easy, CURLOPT_HTTPHEADER, m_headers);
    if (request.method == "POST" || !request.body.isEmpty()) {
        m_curl->easy_setopt(m_easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.body.size()));
        m_curl->easy_setopt(m_easy, CURLOPT_COPYPOSTFIELDS, request.body.constData());
    }
    if (request.method != "GET" && request.method != "POST")
        m_curl->easy_setopt(m_easy, CURLOPT_CUSTOMREQUEST, request.method.constData());
    m_curl->easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &HttpStream::onBody);
    m_curl->easy_setopt(m_easy, CURLOPT_WRITEDATA, this);

    qCDebug(lcNet) << request.method.constData() << request.url.toDisplayString() << (proxy.isEmpty() ? "" : "via proxy");
    m_multi->add(*m_curl, m_easy);
    m_attached = true;
}

HttpStream::~HttpStream()
{
    detach();
    if (!m_easy)
        return;
    m_curl->easy_cleanup(m_easy);
    m_curl->slist_free_all(m_headers);
}

void HttpStream::detach()
{
    if (std::exchange(m_attached, false))
        m_multi->remove(m_easy);
}

size_t HttpStream::onBody(char *data, size_t size, size_t count, void *self)
{
    return static_cast<HttpStream *>(self)->takeBody(data, size * count);
}

size_t HttpStream::takeBody(const char *data, size_t size)
{
    if (m_buffer.size() >= kBufferBytes) {
        m_paused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    m_received += qint64(size);
    if (m_received > m_maxBodyBytes) {
        m_tooLarge = true;
        if (m_waiting)
            m_waiting->wakeUp();
        return 0; // ends the transfer
    }
    m_buffer.append(data, qsizetype(size));
    if (m_waiting)
        m_waiting->wakeUp();
    return size;
}

void HttpStream::transferDone(CURLcode result)
{
    m_attached = false; // curl has let go of it
    m_result = result;
    if (result != CURLE_OK && !m_tooLarge)
        qCDebug(lcNet) << "request failed:" << (m_curl ? m_curl->easy_strerror(result) : "") << m_errorText;
    if (m_waiting)
        m_waiting->wakeUp();
}

bool HttpStream::hasNews() const
{
    return m_timedOut || m_cancelled || m_tooLarge || !m_buffer.isEmpty() || m_result.has_value();
}

QCoro::Task<std::optional<QByteArray>> HttpStream::nextChunk()
{
    while (true) {
        if (m_cancelled || m_timedOut || m_tooLarge)
            throwFailure();
        if (!m_buffer.isEmpty()) {
            QByteArray chunk;
            if (m_buffer.size() <= kReadBytes) {
                chunk = std::exchange(m_buffer, {});
            } else {
                chunk = m_buffer.left(kReadBytes);
                m_buffer.remove(0, kReadBytes);
            }
            if (std::exchange(m_paused, false) && m_attached) {
                m_curl->easy_pause(m_easy, CURLPAUSE_CONT);
                m_multi->kick();
            }
            co_return chunk;
        }
        if (m_result) {
            if (*m_result != CURLE_OK)
                throwFailure();
            co_return std::nullopt;
        }
        // The time-out counts only while we wait, so a slow reader is never mistaken for a silent server.
        m_inactivity.start();
        co_await Activity(*this);
        m_inactivity.stop();
    }
}

QCoro::Task<QByteArray> HttpStream::readRest()
{
    QByteArray body;
    while (std::optional<QByteArray> chunk = co_await nextChunk())
        body += *chunk;
    co_return body;
}

std::optional<int> HttpStream::statusCode() const
{
    long status = 0;
    if (!m_easy || m_curl->easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK || status <= 0)
        return std::nullopt;
    return int(status);
}

QUrl HttpStream::finalUrl() const
{
    char *url = nullptr;
    if (m_easy)
        m_curl->easy_getinfo(m_easy, CURLINFO_EFFECTIVE_URL, &url);
    return url ? QUrl::fromEncoded(url) : QUrl();
}

void HttpStream::cancel()
{
    m_cancelled = true;
    detach();
    if (m_waiting)
        m_waiting->wakeUp();
}

void HttpStream::throwFailure() const
{
    using Kind = HttpFailure::Kind;
    if (m_cancelled)
        throw HttpFailure(Kind::cancelled, QStringLiteral("cancelled"));
    if (m_tooLarge)
        throw HttpFailure(Kind::tooLarge, QStringLiteral("the body is larger than %1 bytes").arg(m_maxBodyBytes));
    if (m_timedOut)
        throw HttpFailure(Kind::unreachable, QStringLiteral("the server went silent"));
    const CURLcode result = m_result.value_or(CURLE_OK);
    const QString message = QString::fromUtf8(m_errorText[0] || !m_curl ? m_errorText : m_curl->easy_strerror(result));
    throw HttpFailure(kindOf(result), message);
}
