#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// Turning what the user typed into an address a slot can open or a site a set is bound to, and
// naming it.
namespace WebsiteAddress {
// Trims, refuses text with white space inside, puts "https://" in front of text without a scheme
// (except "mailto:"). Web addresses need a host with a dot; other schemes (mail, an application's own
// scheme, files) pass unchanged. Store the result's toString().
std::optional<QUrl> url(const QString &text);
// The scheme is http or https.
bool isWeb(const QUrl &url);
// The host without a leading "www.", or the address itself when it has no host.
QString displayName(const QString &address);
// What the user typed, or a browser address, as a set stores a site: the host in lower case, without
// a leading "www."; none when it is not a usable site (no dot and not localhost, spaces…).
std::optional<QString> site(const QString &input);
} // namespace WebsiteAddress
