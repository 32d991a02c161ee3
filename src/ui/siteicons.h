#pragma once

#include <QObject>
#include <QQueue>
#include <QSet>
#include <QString>

class FaviconStore;
class SchemeAppIcons;
class WheelStore;
class QIcon;

// The pictures of address slots: a website's own icon, or the icon of the application that opens
// another kind of address. Watches the stored sets: a website that appears in them (saved) has its
// icon fetched, also again; one without an icon is fetched once per run. Fetches run one at a time
// in the background; icon() only reads what is ready. The stores must outlive the fetches.
class SiteIcons final : public QObject {
public:
    SiteIcons(FaviconStore &favicons, SchemeAppIcons &schemeApps, const WheelStore &store);

    // The picture for a slot's address, or a null icon (the slot shows its symbol).
    QIcon icon(const QString &address) const;

private:
    void storeChanged();
    void enqueue(const QString &address);
    void fetchNext();

    FaviconStore &m_favicons;
    SchemeAppIcons &m_schemeApps;
    const WheelStore &m_store;
    QSet<QString> m_addresses; // of the address slots in the store, as last seen
    QSet<QString> m_fetchedOnce;
    QQueue<QString> m_pending;
    bool m_fetching = false;
    bool m_seen = false;
};
