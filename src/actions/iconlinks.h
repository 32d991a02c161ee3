#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// The icons a web page declares in its <link> tags, best first: an apple-touch icon before every
// other icon, then by the first size given (an icon without sizes after those with sizes); equal
// scores keep the page's order. Relative addresses are resolved against `base`. Pure: no I/O.
QList<QUrl> iconLinks(const QString &page, const QUrl &base);
