// FeederJourney: the feeder's vehicle journey inside a monitored feeder arrival.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "models/framed_vehicle_journey_ref.hpp"

namespace quaymark::structures {

struct FeederJourney {
    std::optional<std::string> line_ref;
    std::optional<std::string> direction_ref;
    models::FramedVehicleJourneyRef framed_journey_ref;
    std::optional<bool> monitored;
    std::optional<std::string> aimed_arrival_time;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::FeederJourney> {
    using T = structures::FeederJourney;
    static constexpr std::string_view name = "FeederJourney";
    static constexpr auto fields = std::tuple{
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::direction_ref>("direction_ref", "DirectionRef"),
        // "FramedJourneyRef", not "FramedVehicleJourneyRef".
        field<&T::framed_journey_ref>("framed_journey_ref", "FramedJourneyRef"),
        field<&T::monitored>("monitored", "Monitored"),
        field<&T::aimed_arrival_time>("aimed_arrival_time", "AimedArrivalTime"),
    };
};
