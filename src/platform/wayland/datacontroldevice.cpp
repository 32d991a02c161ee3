#include "platform/wayland/datacontroldevice.h"

#include "platform/wayland/datacontrolprotocols.h"

#include "platform/wayland/waylandconnection.h"

#include <QSet>

#include <wayland-client.h>

#include <unistd.h>

using DataControlProtocols::Ext;
using DataControlProtocols::Wlr;


void DataControlOffer::addType(const char *type)
{
    if (m_types.size() < maxTypes)
        m_types.append(QByteArray(type));
}

namespace {

// Offers may outlive their device in a read still under way; their proxies must not outlive the
// connection, so the device ends them all and leaves the offers inert.
template <class P> class Offer;
template <class P> using OfferSet = std::shared_ptr<QSet<Offer<P> *>>;

template <class P> class Offer final : public DataControlOffer {
public:
    Offer(typename P::Offer *proxy, OfferSet<P> live)
        : m_proxy(proxy)
        , m_live(std::move(live))
    {
        static const typename P::OfferListener listener = {.offer = &Offer::onOffer};
        P::addOfferListener(proxy, &listener, this);
        m_live->insert(this);
    }
    ~Offer() override { end(); }
    Offer(const Offer &) = delete;
    Offer &operator=(const Offer &) = delete;

    void receive(const QByteArray &type, int fd) override
    {
        if (m_proxy)
            P::receive(m_proxy, type.constData(), fd);
    }
    typename P::Offer *proxy() const { return m_proxy; }
    void end()
    {
        if (!m_proxy)
            return;
        P::destroyOffer(m_proxy);
        m_proxy = nullptr;
        m_live->remove(this);
    }

private:
    static void onOffer(void *data, typename P::Offer *, const char *type) { static_cast<Offer *>(data)->addType(type); }

    typename P::Offer *m_proxy;
    OfferSet<P> m_live;
};

template <class P> class Source final : public DataControlSource {
public:
    Source(typename P::Source *proxy, Hooks hooks)
        : m_proxy(proxy)
        , m_hooks(std::move(hooks))
    {
        static const typename P::SourceListener listener = {.send = &Source::onSend, .cancelled = &Source::onCancelled};
        P::addSourceListener(proxy, &listener, this);
    }
    ~Source() override { P::destroySource(m_proxy); }
    Source(const Source &) = delete;
    Source &operator=(const Source &) = delete;

    typename P::Source *proxy() const { return m_proxy; }

private:
    static void onSend(void *data, typename P::Source *, const char *type, int32_t fd)
    {
        // The hook may end this source; it runs from a copy.
        const auto send = static_cast<Source *>(data)->m_hooks.send;
        if (send)
            send(QByteArray(type), fd);
        else
            ::close(fd);
    }
    static void onCancelled(void *data, typename P::Source *)
    {
        const auto cancelled = static_cast<Source *>(data)->m_hooks.cancelled;
        if (cancelled)
            cancelled();
    }

    typename P::Source *m_proxy;
    Hooks m_hooks;
};

template <class P> class Device final : public DataControlDevice {
public:
    Device(typename P::Manager *manager, wl_seat *seat, Hooks hooks)
        : m_manager(manager)
        , m_device(P::getDevice(manager, seat))
        , m_hooks(std::move(hooks))
    {
        static const typename P::DeviceListener listener = {
            .data_offer = &Device::onDataOffer,
            .selection = &Device::onSelection,
            .finished = &Device::onFinished,
            .primary_selection = &Device::onPrimarySelection,
        };
        P::addDeviceListener(m_device, &listener, this);
    }
    ~Device() override
    {
        m_introduced.reset();
        for (Offer<P> *offer : QSet<Offer<P> *>(*m_live))
            offer->end();
        P::destroyDevice(m_device);
        P::destroyManager(m_manager);
    }
    Device(const Device &) = delete;
    Device &operator=(const Device &) = delete;

    const char *protocolName() const override { return P::name; }

    std::unique_ptr<DataControlSource> createSource(const QList<QByteArray> &types, DataControlSource::Hooks hooks) override
    {
        typename P::Source *proxy = P::newSource(m_manager);
        for (const QByteArray &type : types)
            P::offerType(proxy, type.constData());
        return std::make_unique<Source<P>>(proxy, std::move(hooks));
    }

    void setSelection(DataControlSource *source) override
    {
        P::setSelection(m_device, source ? static_cast<Source<P> *>(source)->proxy() : nullptr);
    }

private:
    static Device *self(void *data) { return static_cast<Device *>(data); }

    // The offer's types follow at once; the selection or primary_selection event then says
    // which one it is. An offer never named by either is dropped with the next one.
    static void onDataOffer(void *data, typename P::Device *, typename P::Offer *offer)
    {
        self(data)->m_introduced = std::make_shared<Offer<P>>(offer, self(data)->m_live);
    }

    static void onSelection(void *data, typename P::Device *, typename P::Offer *offer)
    {
        Device *d = self(data);
        std::shared_ptr<Offer<P>> selection;
        if (offer && d->m_introduced && d->m_introduced->proxy() == offer)
            selection = std::move(d->m_introduced);
        d->m_introduced.reset();
        if (d->m_hooks.selection)
            d->m_hooks.selection(std::move(selection));
    }

    // The primary selection is of no interest; its offers go at once.
    static void onPrimarySelection(void *data, typename P::Device *, typename P::Offer *) { self(data)->m_introduced.reset(); }

    static void onFinished(void *data, typename P::Device *)
    {
        const auto finished = self(data)->m_hooks.finished;
        if (finished)
            finished();
    }

    typename P::Manager *m_manager;
    typename P::Device *m_device;
    Hooks m_hooks;
    std::shared_ptr<Offer<P>> m_introduced;
    OfferSet<P> m_live = std::make_shared<QSet<Offer<P> *>>();
};

template <class P>
std::unique_ptr<DataControlDevice> bindDevice(WaylandConnection &connection, wl_seat *seat, wl_event_queue *queue,
                                              DataControlDevice::Hooks &hooks)
{
    auto *manager = static_cast<typename P::Manager *>(connection.bind(P::managerInterface, P::maxVersion));
    if (!manager)
        return nullptr;
    // Objects made from the manager, and the offers their events bring, inherit its queue.
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(manager), queue);
    return std::make_unique<Device<P>>(manager, seat, std::move(hooks));
}
} // namespace

bool DataControlDevice::isOffered(const WaylandConnection &connection)
{
    return connection.offers(Ext::managerInterface->name) || connection.offers(Wlr::managerInterface->name);
}

std::unique_ptr<DataControlDevice> DataControlDevice::create(WaylandConnection &connection, wl_seat *seat,
                                                             wl_event_queue *queue, Hooks hooks)
{
    if (!seat || !queue)
        return nullptr;
    if (std::unique_ptr<DataControlDevice> device = bindDevice<Ext>(connection, seat, queue, hooks))
        return device;
    return bindDevice<Wlr>(connection, seat, queue, hooks);
}
