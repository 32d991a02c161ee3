#pragma once

#include "actions/faviconfetcher.h"

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QString>
#include <QCoroTask>

class HttpClient;

// Websites' icons, one file per host in a folder (the bytes as downloaded), decoded once when
// loaded or fetched so that painting only draws ready pixmaps. Icons are only ever added or
// replaced, never removed. Every failure is silent: the slot keeps its symbol.
class FaviconStore final : public QObject {
    Q_OBJECT
public:
    // Loads every readable icon of `folder` (which need not exist; it is made on the first save).
    FaviconStore(HttpClient &http, QString folder = defaultFolder());

    // $XDG_DATA_HOME/Ringle/Favicons
    static QString defaultFolder();

    // Every icon known, by the file name of its host.
    const QHash<QString, QImage> &images() const { return m_images; }
    // The icon of a web address's host, or a null icon.
    QIcon icon(const QString &address) const;
    // Downloads the site's icon and keeps it; does nothing for an address that is not a web address.
    QCoro::Task<void> fetch(QString address);

    // The picture in an icon file's bytes (ICO, PNG, SVG, or any format Qt's plugins read), or a null image.
    static QImage decode(const QByteArray &data);

Q_SIGNALS:
    void imagesChanged();

private:
    void load();
    void keep(const QString &fileName, const QImage &image);

    FaviconFetcher m_fetcher;
    QString m_folder;
    QHash<QString, QImage> m_images;
    QHash<QString, QIcon> m_icons; // ready-sized pixmaps of the images
};
