#include "datacontrol.h"

#include "ext-data-control-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

#include <algorithm>
#include <list>
#include <unistd.h>

namespace {
// The two versions differ in names only; these let one implementation speak both.
struct ExtProtocol {
    using Manager = ext_data_control_manager_v1;
    using Device = ext_data_control_device_v1;
    using Source = ext_data_control_source_v1;
    using Offer = ext_data_control_offer_v1;
    using DeviceListener = ext_data_control_device_v1_listener;
    using SourceListener = ext_data_control_source_v1_listener;
    using OfferListener = ext_data_control_offer_v1_listener;
    static constexpr const wl_interface *manager = &ext_data_control_manager_v1_interface;
    static constexpr uint32_t newest = 1;
    static constexpr auto createSource = ext_data_control_manager_v1_create_data_source;
    static constexpr auto getDevice = ext_data_control_manager_v1_get_data_device;
    static constexpr auto destroyManager = ext_data_control_manager_v1_destroy;
    static constexpr auto setSelection = ext_data_control_device_v1_set_selection;
    static constexpr auto listenDevice = ext_data_control_device_v1_add_listener;
    static constexpr auto destroyDevice = ext_data_control_device_v1_destroy;
    static constexpr auto offer = ext_data_control_source_v1_offer;
    static constexpr auto listenSource = ext_data_control_source_v1_add_listener;
    static constexpr auto destroySource = ext_data_control_source_v1_destroy;
    static constexpr auto receive = ext_data_control_offer_v1_receive;
    static constexpr auto listenOffer = ext_data_control_offer_v1_add_listener;
    static constexpr auto destroyOffer = ext_data_control_offer_v1_destroy;
};

struct WlrProtocol {
    using Manager = zwlr_data_control_manager_v1;
    using Device = zwlr_data_control_device_v1;
    using Source = zwlr_data_control_source_v1;
    using Offer = zwlr_data_control_offer_v1;
    using DeviceListener = zwlr_data_control_device_v1_listener;
    using SourceListener = zwlr_data_control_source_v1_listener;
    using OfferListener = zwlr_data_control_offer_v1_listener;
    static constexpr const wl_interface *manager = &zwlr_data_control_manager_v1_interface;
    static constexpr uint32_t newest = 2;
    static constexpr auto createSource = zwlr_data_control_manager_v1_create_data_source;
    static constexpr auto getDevice = zwlr_data_control_manager_v1_get_data_device;
    static constexpr auto destroyManager = zwlr_data_control_manager_v1_destroy;
    static constexpr auto setSelection = zwlr_data_control_device_v1_set_selection;
    static constexpr auto listenDevice = zwlr_data_control_device_v1_add_listener;
    static constexpr auto destroyDevice = zwlr_data_control_device_v1_destroy;
    static constexpr auto offer = zwlr_data_control_source_v1_offer;
    static constexpr auto listenSource = zwlr_data_control_source_v1_add_listener;
    static constexpr auto destroySource = zwlr_data_control_source_v1_destroy;
    static constexpr auto receive = zwlr_data_control_offer_v1_receive;
    static constexpr auto listenOffer = zwlr_data_control_offer_v1_add_listener;
    static constexpr auto destroyOffer = zwlr_data_control_offer_v1_destroy;
};

template <class P> class OfferOn final : public SelectionOffer {
public:
    explicit OfferOn(typename P::Offer *proxy)
        : m_proxy(proxy)
    {
        P::listenOffer(proxy, &s_listener, this);
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
              wl_registry_bind(registry, global.name, P::manager, std::min(global.version, P::newest))))
        , m_device(P::getDevice(m_manager, seat))
        , m_hooks(std::move(hooks))
    {
        P::listenDevice(m_device, &s_deviceListener, this);
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
        Source &source = m_sources.emplace_back(Source{this, P::createSource(m_manager), contents});
        P::listenSource(source.proxy, &s_sourceListener, &source);
        for (const auto &[type, bytes] : contents)
            P::offer(source.proxy, type.constData());
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
        return std::make_unique<DataControlOn<ExtProtocol>>(registry, ext, seat, std::move(hooks));
    if (wlr.offered())
        return std::make_unique<DataControlOn<WlrProtocol>>(registry, wlr, seat, std::move(hooks));
    return nullptr;
}
