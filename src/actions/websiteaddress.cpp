#include "actions/websiteaddress.h"

namespace WebsiteAddress {
std::optional<QUrl> url(const QString &input)
{
    QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (c.isSpace())
            return std::nullopt;
    }
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
    QString host = QUrl(address).host();
    if (host.isEmpty())
        return address;
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    return host;
}
} // namespace WebsiteAddress
