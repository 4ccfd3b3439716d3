// DistributorInfo: the connection a distributor departure notice is about: its interchange,
// link and stop, the distributor's order and journey, and the feeder journey's reference.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "models/framed_vehicle_journey_ref.hpp"
#include "structures/connecting_journey.hpp"

namespace quaymark::structures {

struct DistributorInfo {
    std::string interchange_ref;
    std::string connection_link_ref;
    std::string stop_point_ref;
    std::optional<std::uint32_t> distributor_order;
    std::optional<ConnectingJourney> distributor_journey;
    std::optional<models::FramedVehicleJourneyRef> feeder_vehicle_journey_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DistributorInfo> {
    using T = structures::DistributorInfo;
    static constexpr std::string_view name = "DistributorInfo";
    static constexpr auto fields = std::tuple{
        field<&T::interchange_ref>("interchange_ref", "InterchangeRef"),
        field<&T::connection_link_ref>("connection_link_ref", "ConnectionLinkRef"),
        field<&T::stop_point_ref>("stop_point_ref", "StopPointRef"),
        field<&T::distributor_order>("distributor_order", "DistributorOrder"),
        field<&T::distributor_journey>("distributor_journey", "DistributorJourney"),
        field<&T::feeder_vehicle_journey_ref>("feeder_vehicle_journey_ref", "FeederVehicleJourneyRef"),
    };
};
