#include "ui/siteicons.h"

#include "base/websiteaddress.h"
#include "ui/faviconstore.h"
#include "ui/schemeappicons.h"
#include "wheel/wheelstore.h"

#include <QIcon>
#include <QPointer>
#include <QUrl>

namespace {
QSet<QString> addressesIn(const QList<WheelSet> &sets)
{
    QSet<QString> addresses;
    for (const WheelSet &set : sets) {
        for (const WheelTab &ring : set.rings) {
            for (const WheelSlot &slot : ring.slots) {
                if (slot && slot->kind() == WheelItem::Kind::openURL)
                    addresses.insert(slot->address());
            }
        }
    }
    return addresses;
}
} // namespace

SiteIcons::SiteIcons(FaviconStore &favicons, SchemeAppIcons &schemeApps, const WheelStore &store)
    : m_favicons(favicons)
    , m_schemeApps(schemeApps)
    , m_store(store)
{
    connect(&store, &WheelStore::setsChanged, this, &SiteIcons::storeChanged);
    storeChanged();
}

QIcon SiteIcons::icon(const QString &address) const
{
    const QUrl url(address);
    return WebsiteAddress::isWeb(url) ? m_favicons.icon(address) : m_schemeApps.icon(address);
}

void SiteIcons::storeChanged()
{
    // The first look at the store finds nothing saved, only icons perhaps missing.
    const bool starting = !std::exchange(m_seen, true);
    const QSet<QString> addresses = addressesIn(m_store.sets());
    for (const QString &address : addresses) {
        if (!WebsiteAddress::isWeb(QUrl(address))) {
            m_schemeApps.lookUp(address);
            continue;
        }
        const bool saved = !starting && !m_addresses.contains(address);
        const bool missing = m_favicons.icon(address).isNull() && !m_fetchedOnce.contains(address);
        if (saved || missing)
            enqueue(address);
    }
    m_addresses = addresses;
}

void SiteIcons::enqueue(const QString &address)
{
    m_fetchedOnce.insert(address);
    if (!m_pending.contains(address))
        m_pending.enqueue(address);
    if (!m_fetching)
        fetchNext();
}

void SiteIcons::fetchNext()
{
    if (m_pending.isEmpty()) {
        m_fetching = false;
        return;
    }
    m_fetching = true;
    const QString address = m_pending.dequeue();
    [](QPointer<SiteIcons> self, QString next) -> QCoro::Task<void> {
        co_await self->m_favicons.fetch(next);
        if (self)
            self->fetchNext();
    }(this, address);
}
