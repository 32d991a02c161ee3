#include "datacontrol.h"

#include "platform/wayland/datacontrolprotocols.h"

#include <algorithm>
#include <list>
#include <unistd.h>

namespace {

template <class P> class OfferOn final : public SelectionOffer {
public:
    explicit OfferOn(typename P::Offer *proxy)
        : m_proxy(proxy)
    {
        P::addOfferListener(proxy, &s_listener, this);
    }
    ~OfferOn() override { P::destroyOffer(m_proxy); }
    OfferOn(const OfferOn &) = delete;
    OfferOn &operator=(const OfferOn &) = delete;

    void receive(const QByteArray &type, int fd) override { P::receive(m_proxy, type.constData(), fd); }
    typename P::Offer *proxy() const { return m_proxy; }

private:
    static inline const typename P::OfferListener s_listener = {
        .offer = [](void *data, typename P::Offer *,
                    const char *type) { static_cast<OfferOn *>(data)->types.append(type); },
    };

    typename P::Offer *m_proxy;
};

template <class P> class DataControlOn final : public DataControl {
public:
    DataControlOn(wl_registry *registry, Global global, wl_seat *seat, Hooks hooks)
        : m_manager(static_cast<typename P::Manager *>(
              wl_registry_bind(registry, global.name, P::managerInterface, std::min(global.version, P::maxVersion))))
        , m_device(P::getDevice(m_manager, seat))
        , m_hooks(std::move(hooks))
    {
        P::addDeviceListener(m_device, &s_deviceListener, this);
    }
    ~DataControlOn() override
    {
        m_selection.reset();
        m_primary.reset();
        m_incoming.clear();
        for (const Source &source : m_sources)
            P::destroySource(source.proxy);
        if (m_device)
            P::destroyDevice(m_device);
        P::destroyManager(m_manager);
    }
    DataControlOn(const DataControlOn &) = delete;
    DataControlOn &operator=(const DataControlOn &) = delete;

    void own(const Contents &contents) override
    {
        if (!m_device)
            return;
        Source &source = m_sources.emplace_back(Source{this, P::newSource(m_manager), contents});
        P::addSourceListener(source.proxy, &s_sourceListener, &source);
        for (const auto &[type, bytes] : contents)
            P::offerType(source.proxy, type.constData());
        P::setSelection(m_device, source.proxy);
        m_owned = &source;
    }

    void clear() override
    {
        if (m_device)
            P::setSelection(m_device, nullptr);
        // Our source, if it was the selection, hears of it as cancelled later.
        m_owned = nullptr;
    }

    bool owns() const override { return m_owned != nullptr; }

private:
    struct Source {
        DataControlOn *control;
        typename P::Source *proxy;
        Contents contents;
    };

    void send(const Source &source, const char *type, int fd)
    {
        for (const auto &[offered, bytes] : source.contents) {
            if (offered == type)
                return m_hooks.serve(bytes, fd);
        }
        ::close(fd);
    }

    void cancelled(const Source *source)
    {
        if (m_owned == source)
            m_owned = nullptr;
        P::destroySource(source->proxy);
        m_sources.remove_if([source](const Source &s) { return &s == source; });
    }

    // An offer announced by data_offer becomes the selection or the primary selection.
    std::shared_ptr<SelectionOffer> take(typename P::Offer *proxy)
    {
        const auto it = std::find_if(m_incoming.begin(), m_incoming.end(),
                                     [proxy](const auto &offer) { return offer->proxy() == proxy; });
        if (it == m_incoming.end())
            return nullptr;
        std::shared_ptr<SelectionOffer> offer = *it;
        m_incoming.erase(it);
        return offer;
    }

    void finished()
    {
        P::destroyDevice(m_device);
        m_device = nullptr;
        m_hooks.lost();
    }

    static DataControlOn *self(void *data) { return static_cast<DataControlOn *>(data); }

    static inline const typename P::DeviceListener s_deviceListener = {
        .data_offer =
            [](void *data, typename P::Device *, typename P::Offer *offer) {
                self(data)->m_incoming.push_back(std::make_shared<OfferOn<P>>(offer));
            },
        .selection =
            [](void *data, typename P::Device *, typename P::Offer *offer) {
                self(data)->m_selection = self(data)->take(offer);
            },
        .finished = [](void *data, typename P::Device *) { self(data)->finished(); },
        .primary_selection =
            [](void *data, typename P::Device *, typename P::Offer *offer) {
                self(data)->m_primary = self(data)->take(offer);
            },
    };

    static inline const typename P::SourceListener s_sourceListener = {
        .send =
            [](void *data, typename P::Source *, const char *type, int32_t fd) {
                const auto *source = static_cast<const Source *>(data);
                source->control->send(*source, type, fd);
            },
        .cancelled =
            [](void *data, typename P::Source *) {
                const auto *source = static_cast<const Source *>(data);
                source->control->cancelled(source);
            },
    };

    typename P::Manager *m_manager;
    typename P::Device *m_device;
    Hooks m_hooks;
    std::list<std::shared_ptr<OfferOn<P>>> m_incoming;
    std::shared_ptr<SelectionOffer> m_primary;
    // Listeners hold the addresses of the entries, so they must not move.
    std::list<Source> m_sources;
    const Source *m_owned = nullptr;
};
} // namespace

std::unique_ptr<DataControl> DataControl::create(wl_registry *registry, Global ext, Global wlr, wl_seat *seat,
                                                 Hooks hooks)
{
    if (ext.offered())
        return std::make_unique<DataControlOn<DataControlProtocols::Ext>>(registry, ext, seat, std::move(hooks));
    if (wlr.offered())
        return std::make_unique<DataControlOn<DataControlProtocols::Wlr>>(registry, wlr, seat, std::move(hooks));
    return nullptr;
}
