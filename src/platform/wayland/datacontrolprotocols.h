#pragma once

// The ext- and wlr- data-control protocols have the same requests and events under other names;
// these tables let one implementation speak both.
#include "ext-data-control-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

namespace DataControlProtocols {
struct Ext {
    using Manager = ext_data_control_manager_v1;
    using Device = ext_data_control_device_v1;
    using Source = ext_data_control_source_v1;
    using Offer = ext_data_control_offer_v1;
    using DeviceListener = ext_data_control_device_v1_listener;
    using SourceListener = ext_data_control_source_v1_listener;
    using OfferListener = ext_data_control_offer_v1_listener;
    static constexpr const char *name = "ext-data-control";
    static constexpr const wl_interface *managerInterface = &ext_data_control_manager_v1_interface;
    static constexpr quint32 maxVersion = 1;
    static constexpr auto getDevice = ext_data_control_manager_v1_get_data_device;
    static constexpr auto newSource = ext_data_control_manager_v1_create_data_source;
    static constexpr auto destroyManager = ext_data_control_manager_v1_destroy;
    static constexpr auto addDeviceListener = ext_data_control_device_v1_add_listener;
    static constexpr auto setSelection = ext_data_control_device_v1_set_selection;
    static constexpr auto destroyDevice = ext_data_control_device_v1_destroy;
    static constexpr auto addSourceListener = ext_data_control_source_v1_add_listener;
    static constexpr auto offerType = ext_data_control_source_v1_offer;
    static constexpr auto destroySource = ext_data_control_source_v1_destroy;
    static constexpr auto addOfferListener = ext_data_control_offer_v1_add_listener;
    static constexpr auto receive = ext_data_control_offer_v1_receive;
    static constexpr auto destroyOffer = ext_data_control_offer_v1_destroy;
};

struct Wlr {
    using Manager = zwlr_data_control_manager_v1;
    using Device = zwlr_data_control_device_v1;
    using Source = zwlr_data_control_source_v1;
    using Offer = zwlr_data_control_offer_v1;
    using DeviceListener = zwlr_data_control_device_v1_listener;
    using SourceListener = zwlr_data_control_source_v1_listener;
    using OfferListener = zwlr_data_control_offer_v1_listener;
    static constexpr const char *name = "wlr-data-control";
    static constexpr const wl_interface *managerInterface = &zwlr_data_control_manager_v1_interface;
    static constexpr quint32 maxVersion = 2;
    static constexpr auto getDevice = zwlr_data_control_manager_v1_get_data_device;
    static constexpr auto newSource = zwlr_data_control_manager_v1_create_data_source;
    static constexpr auto destroyManager = zwlr_data_control_manager_v1_destroy;
    static constexpr auto addDeviceListener = zwlr_data_control_device_v1_add_listener;
    static constexpr auto setSelection = zwlr_data_control_device_v1_set_selection;
    static constexpr auto destroyDevice = zwlr_data_control_device_v1_destroy;
    static constexpr auto addSourceListener = zwlr_data_control_source_v1_add_listener;
    static constexpr auto offerType = zwlr_data_control_source_v1_offer;
    static constexpr auto destroySource = zwlr_data_control_source_v1_destroy;
    static constexpr auto addOfferListener = zwlr_data_control_offer_v1_add_listener;
    static constexpr auto receive = zwlr_data_control_offer_v1_receive;
    static constexpr auto destroyOffer = zwlr_data_control_offer_v1_destroy;
};
} // namespace DataControlProtocols
