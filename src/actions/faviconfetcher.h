#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QCoroTask>
#include <chrono>
#include <functional>
#include <optional>

class HttpClient;

// Finds and downloads a website's icon: the page's icon links best first, then "/favicon.ico" of
// the page's final address. Every failure only moves on to the next candidate; none is reported.
class FaviconFetcher final {
public:
    // Whether downloaded bytes make an image this program can show.
    using ImageCheck = std::function<bool(const QByteArray &data)>;

    static constexpr std::chrono::milliseconds kTimeout = std::chrono::seconds(10);
    // The part of a page searched for icon links; no more of it is read.
    static constexpr qint64 kMaxPageBytes = 300000;
    // An icon larger than this is not taken.
    static constexpr qint64 kMaxIconBytes = 1024 * 1024;
    static constexpr const char *kUserAgent = "Mozilla/5.0 (X11; Linux) Ringle";

    FaviconFetcher(HttpClient &http, ImageCheck isImage);

    // The body of the first candidate answered with status 200 that makes an image, or none.
    QCoro::Task<std::optional<QByteArray>> download(QUrl page);

    // The icon file's name for a host: lower case, without a leading "www.", and every character
    // other than a letter, a digit, "." or "-" replaced by "_".
    static QString fileName(const QString &host);

private:
    QCoro::Task<std::optional<QByteArray>> iconAt(QUrl candidate);

    HttpClient &m_http;
    ImageCheck m_isImage;
};
