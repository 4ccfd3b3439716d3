// MonitoredFeederArrival: one monitored arrival of a feeder vehicle at a connection's stop.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/feeder_journey.hpp"

namespace quaymark::structures {

struct MonitoredFeederArrival {
    std::string recorded_at_time;
    std::optional<std::string> item_identifier;
    std::optional<std::string> interchange_ref;
    std::optional<std::string> connection_link_ref;
    std::optional<std::string> stop_point_ref;
    std::optional<std::uint32_t> order;
    std::optional<std::string> strop_point_name;
    std::optional<std::string> clear_down_ref;
    FeederJourney feeder_journey;
    std::optional<bool> vehicle_at_stop;
    std::optional<std::string> aimed_arrival_time;
    std::optional<std::string> expected_arrival_time;
    std::optional<std::string> arrival_platform_time;
    std::optional<std::uint32_t> number_of_transfer_passengers;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::MonitoredFeederArrival> {
    using T = structures::MonitoredFeederArrival;
    static constexpr std::string_view name = "MonitoredFeederArrival";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::item_identifier>("item_identifier", "ItemIdentifier"),
        field<&T::interchange_ref>("interchange_ref", "InterchangeRef"),
        field<&T::connection_link_ref>("connection_link_ref", "ConnectionLinkRef"),
        field<&T::stop_point_ref>("stop_point_ref", "StopPointRef"),
        field<&T::order>("order", "Order"),
        // Spelt "StropPointName"; a "StopPointName" child is not this field.
        field<&T::strop_point_name>("strop_point_name", "StropPointName"),
        field<&T::clear_down_ref>("clear_down_ref", "ClearDownRef"),
        field<&T::feeder_journey>("feeder_journey", "FeederJourney"),
        field<&T::vehicle_at_stop>("vehicle_at_stop", "VehicleAtStop"),
        field<&T::aimed_arrival_time>("aimed_arrival_time", "AimedArrivalTime"),
        field<&T::expected_arrival_time>("expected_arrival_time", "ExpectedArrivalTime"),
        field<&T::arrival_platform_time>("arrival_platform_time", "ArrivalPlatformTime"),
        field<&T::number_of_transfer_passengers>("number_of_transfer_passengers", "NumberOfTransferPassengers"),
    };
};
