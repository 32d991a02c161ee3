#pragma once

#include <QString>
#include <QUrl>

// The proxy settings users make in their environment, read the way command-line tools read them:
// http_proxy for http (lower case only: a CGI request may set HTTP_PROXY), https_proxy or
// HTTPS_PROXY for https, no_proxy or NO_PROXY for the hosts that go direct.
struct ProxyEnvironment {
    QString httpProxy;
    QString httpsProxy;
    QString noProxy;

    static ProxyEnvironment fromProcess();
};

// The proxy a request to `target` goes through ("http://host:port", "socks5h://…"), or an empty
// text to go direct. The loopback interface is always reached direct: a proxy elsewhere cannot
// reach this computer's own servers.
QString proxyFor(const QUrl &target, const ProxyEnvironment &environment);
