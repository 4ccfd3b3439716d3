// Affect: what a situation (or a publishing scope) concerns.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "structures/affected_operator.hpp"
#include "structures/affected_place.hpp"
#include "structures/affected_stop_point.hpp"
#include "structures/affected_vehicle_journey.hpp"
#include "structures/network.hpp"

namespace quaymark::structures {

struct Affect {
    std::optional<std::string> area_of_interest;
    std::vector<AffectedOperatorType> operators;
    std::vector<Network> networks;
    std::vector<AffectedStopPoint> stop_points;
    std::vector<AffectedPlace> stop_places;
    std::vector<AffectedPlace> places;
    std::vector<AffectedVehicleJourney> vehicle_journeys;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::Affect> {
    using T = structures::Affect;
    static constexpr std::string_view name = "Affect";
    static constexpr auto fields = std::tuple{
        field<&T::area_of_interest>("area_of_interest", "AreaOfInterest"),
        field<&T::operators>("operators", "Operators"),
        field<&T::networks>("networks", "Networks"),
        field<&T::stop_points>("stop_points", "StopPoints"),
        field<&T::stop_places>("stop_places", "StopPlaces"),
        field<&T::places>("places", "Places"),
        field<&T::vehicle_journeys>("vehicle_journeys", "VehicleJourneys"),
    };
};
