#include "net/proxyenvironment.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString variable(const char *lower, const char *upper = nullptr)
{
    QString value = qEnvironmentVariable(lower).trimmed();
    if (value.isEmpty() && upper)
        value = qEnvironmentVariable(upper).trimmed();
    return value;
}

bool isLoopback(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
        || host.endsWith(QLatin1String(".localhost"), Qt::CaseInsensitive))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// One no_proxy entry: "*", a host or domain ("example.com", ".example.com", "*.example.com"),
// an address or a subnet ("10.0.0.0/8"), each optionally with ":port".
bool entryMatches(QString entry, const QString &host, int port)
{
    if (entry == QLatin1String("*"))
        return true;
    if (entry.startsWith(QLatin1String("*.")))
        entry.remove(0, 1);
    const QHostAddress hostAddress(host);
    if (entry.contains(QLatin1Char('/'))) {
        const std::pair<QHostAddress, int> subnet = QHostAddress::parseSubnet(entry);
        return !hostAddress.isNull() && !subnet.first.isNull() && hostAddress.isInSubnet(subnet);
    }
    // A port only when what precedes it is not itself an IPv6 address.
    const qsizetype colon = entry.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && QHostAddress(entry).isNull()) {
        bool numeric = false;
        const int entryPort = entry.mid(colon + 1).toInt(&numeric);
        if (!numeric || entryPort != port)
            return false;
        entry.truncate(colon);
    }
    if (entry.startsWith(QLatin1Char('[')) && entry.endsWith(QLatin1Char(']')))
        entry = entry.mid(1, entry.size() - 2);
    if (!hostAddress.isNull())
        return QHostAddress(entry) == hostAddress;
    // "example.com" and ".example.com" both stand for the domain and every host under it.
    if (entry.startsWith(QLatin1Char('.')))
        entry.remove(0, 1);
    if (entry.isEmpty())
        return false;
    return host.compare(entry, Qt::CaseInsensitive) == 0 || host.endsWith(QLatin1Char('.') + entry, Qt::CaseInsensitive);
}

bool bypassed(const QUrl &target, const QString &noProxy)
{
    const QString host = target.host();
    const int port = target.port(target.scheme() == QLatin1String("https") ? 443 : 80);
    const QStringList entries = noProxy.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        if (entryMatches(entry.toLower(), host, port))
            return true;
    }
    return false;
}

} // namespace

ProxyEnvironment ProxyEnvironment::fromProcess()
{
    return ProxyEnvironment{variable("http_proxy"), variable("https_proxy", "HTTPS_PROXY"),
                            variable("no_proxy", "NO_PROXY")};
}

QString proxyFor(const QUrl &target, const ProxyEnvironment &environment)
{
    const QString scheme = target.scheme().toLower();
    const QString &setting = scheme == QLatin1String("https") ? environment.httpsProxy
                           : scheme == QLatin1String("http")  ? environment.httpProxy
                                                              : QString();
    if (setting.isEmpty() || isLoopback(target.host()) || bypassed(target, environment.noProxy))
        return {};
    return setting.contains(QLatin1String("://")) ? setting : QLatin1String("http://") + setting;
}
