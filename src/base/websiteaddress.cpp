#include "base/websiteaddress.h"

#include <algorithm>

namespace {
QString withoutWww(QString host)
{
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    return host;
}

bool hasSpace(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
}
} // namespace

namespace WebsiteAddress {
std::optional<QUrl> url(const QString &input)
{
    QString text = input.trimmed();
    if (text.isEmpty() || hasSpace(text))
        return std::nullopt;
    if (!text.contains(QLatin1String("://")) && !text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        text.prepend(QLatin1String("https://"));
    const QUrl result(text, QUrl::StrictMode);
    if (!result.isValid() || result.scheme().isEmpty())
        return std::nullopt;
    if (isWeb(result) && !result.host(QUrl::FullyEncoded).contains(QLatin1Char('.')))
        return std::nullopt;
    return result;
}

bool isWeb(const QUrl &url)
{
    const QString scheme = url.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

QString displayName(const QString &address)
{
    const QString host = QUrl(address).host();
    return host.isEmpty() ? address : withoutWww(host);
}

std::optional<QString> site(const QString &input)
{
    QString text = input.trimmed().toLower();
    if (text.isEmpty() || hasSpace(text))
        return std::nullopt;
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("https://"));
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    const QString host = url.host(QUrl::FullyEncoded);
    if (host.isEmpty() || (!host.contains(QLatin1Char('.')) && host != QLatin1String("localhost")))
        return std::nullopt;
    return withoutWww(host);
}
} // namespace WebsiteAddress
