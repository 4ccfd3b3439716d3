// MonitoredVehicleJourney: the journey of the vehicle making a monitored visit or activity.
// Only its line and its framed journey reference are kept; a feed's many other children are
// skipped whole.
#pragma once

#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "models/framed_vehicle_journey_ref.hpp"

namespace quaymark::structures {

struct MonitoredVehicleJourney {
    std::string line_ref;
    models::FramedVehicleJourneyRef framed_vehicle_journey_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::MonitoredVehicleJourney> {
    using T = structures::MonitoredVehicleJourney;
    static constexpr std::string_view name = "MonitoredVehicleJourney";
    static constexpr auto fields = std::tuple{
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::framed_vehicle_journey_ref>("framed_vehicle_journey_ref", "FramedVehicleJourneyRef"),
    };
};
