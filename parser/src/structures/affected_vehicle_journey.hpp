// AffectedVehicleJourney: one vehicle journey a situation affects.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct AffectedVehicleJourney {
    std::string vehicle_journey_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::AffectedVehicleJourney> {
    using T = structures::AffectedVehicleJourney;
    static constexpr std::string_view name = "AffectedVehicleJourney";
    static constexpr auto fields = std::tuple{
        field<&T::vehicle_journey_ref>("vehicle_journey_ref", "VehicleJourneyRef"),
    };
};
