// ConnectingJourney: the distributor journey of a connection.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "models/framed_vehicle_journey_ref.hpp"
#include "structures/distribution_group.hpp"
#include "structures/journey_pattern_info_group.hpp"
#include "structures/vehicle_journey_info_group.hpp"

namespace quaymark::structures {

struct ConnectingJourney {
    std::optional<std::string> line_ref;
    models::FramedVehicleJourneyRef framed_journey_ref;
    std::optional<JourneyPatternInfoGroup> journey_pattern_info;
    std::optional<VehicleJourneyInfoGroup> vehicle_journey_info;
    std::optional<DisruptionGroup> distruptuin_group;
    std::optional<bool> monitored;
    std::optional<std::string> aimed_arrival_time;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ConnectingJourney> {
    using T = structures::ConnectingJourney;
    static constexpr std::string_view name = "ConnectingJourney";
    static constexpr auto fields = std::tuple{
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::framed_journey_ref>("framed_journey_ref", "FramedJourneyRef"),
        field<&T::journey_pattern_info>("journey_pattern_info", "JourneyPatternInfo"),
        field<&T::vehicle_journey_info>("vehicle_journey_info", "VehicleJourneyInfo"),
        // Spelt "DistruptuinGroup"; a "DisruptionGroup" child is not this field.
        field<&T::distruptuin_group>("distruptuin_group", "DistruptuinGroup"),
        field<&T::monitored>("monitored", "Monitored"),
        field<&T::aimed_arrival_time>("aimed_arrival_time", "AimedArrivalTime"),
    };
};
