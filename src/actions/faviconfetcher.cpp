#include "actions/faviconfetcher.h"

#include "actions/iconlinks.h"
#include "net/httpclient.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcFavicons, "ringle.favicons")

HttpRequest iconRequest(const QUrl &url, qint64 maxBodyBytes)
{
    HttpRequest request;
    request.url = url;
    request.headers = {{"User-Agent", FaviconFetcher::kUserAgent}};
    request.inactivityTimeout = FaviconFetcher::kTimeout;
    request.maxBodyBytes = maxBodyBytes;
    return request;
}
} // namespace

FaviconFetcher::FaviconFetcher(HttpClient &http, ImageCheck isImage)
    : m_http(http)
    , m_isImage(std::move(isImage))
{
}

QCoro::Task<std::optional<QByteArray>> FaviconFetcher::download(QUrl page)
{
    QUrl base = page;
    QList<QUrl> candidates;
    try {
        // The page is read up to the part that is searched; the rest is never fetched. Without a
        // cap of its own the request could still fail on the whole page's size, so it has none.
        const std::unique_ptr<HttpStream> stream = m_http.open(iconRequest(page, std::numeric_limits<qint64>::max()));
        QByteArray head;
        while (head.size() < kMaxPageBytes) {
            const std::optional<QByteArray> chunk = co_await stream->nextChunk();
            if (!chunk)
                break;
            head += *chunk;
        }
        head.truncate(kMaxPageBytes);
        if (const QUrl final = stream->finalUrl(); final.isValid())
            base = final;
        candidates = iconLinks(QString::fromUtf8(head), base);
    } catch (const HttpFailure &failure) {
        qCDebug(lcFavicons) << "page" << page.toDisplayString() << failure.message();
    }
    candidates.append(base.resolved(QUrl(QStringLiteral("/favicon.ico"))));

    for (const QUrl &candidate : std::as_const(candidates)) {
        if (std::optional<QByteArray> icon = co_await iconAt(candidate))
            co_return icon;
    }
    co_return std::nullopt;
}

QCoro::Task<std::optional<QByteArray>> FaviconFetcher::iconAt(QUrl candidate)
{
    try {
        const std::unique_ptr<HttpStream> stream = m_http.open(iconRequest(candidate, kMaxIconBytes));
        const QByteArray body = co_await stream->readRest();
        if (stream->statusCode() == 200 && m_isImage(body))
            co_return body;
        qCDebug(lcFavicons) << "not an icon:" << candidate.toDisplayString() << stream->statusCode().value_or(0);
    } catch (const HttpFailure &failure) {
        qCDebug(lcFavicons) << "icon" << candidate.toDisplayString() << failure.message();
    }
    co_return std::nullopt;
}

QString FaviconFetcher::fileName(const QString &host)
{
    QString name = host.toLower();
    if (name.startsWith(QLatin1String("www.")))
        name.remove(0, 4);
    for (QChar &c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    return name;
}
