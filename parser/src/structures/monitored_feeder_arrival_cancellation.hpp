// MonitoredFeederArrivalCancellation: the withdrawal of a reported feeder arrival.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/journey_info.hpp"

namespace quaymark::structures {

struct MonitoredFeederArrivalCancellation {
    std::string recorded_at_time;
    std::optional<std::string> item_ref;
    std::optional<std::string> interchange_ref;
    std::optional<std::string> connection_link_ref;
    std::optional<std::string> stop_point_ref;
    std::optional<std::uint32_t> order;
    std::optional<std::string> strop_point_name;
    std::optional<JourneyInfo> journey_info;
    std::optional<std::string> reason;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::MonitoredFeederArrivalCancellation> {
    using T = structures::MonitoredFeederArrivalCancellation;
    static constexpr std::string_view name = "MonitoredFeederArrivalCancellation";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::item_ref>("item_ref", "ItemRef"),
        field<&T::interchange_ref>("interchange_ref", "InterchangeRef"),
        field<&T::connection_link_ref>("connection_link_ref", "ConnectionLinkRef"),
        field<&T::stop_point_ref>("stop_point_ref", "StopPointRef"),
        field<&T::order>("order", "Order"),
        field<&T::strop_point_name>("strop_point_name", "StropPointName"),
        field<&T::journey_info>("journey_info", "JourneyInfo"),
        field<&T::reason>("reason", "Reason"),
    };
};
