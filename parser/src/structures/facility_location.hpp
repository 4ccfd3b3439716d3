// FacilityLocation: where a facility is, as six optional references kept as given.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct FacilityLocation {
    std::optional<std::string> line_ref;
    std::optional<std::string> stop_point_ref;
    std::optional<std::string> vehicle_ref;
    std::optional<std::string> stop_place_ref;
    std::optional<std::string> stop_place_component_id;
    std::optional<std::string> operator_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::FacilityLocation> {
    using T = structures::FacilityLocation;
    static constexpr std::string_view name = "FacilityLocation";
    static constexpr auto fields = std::tuple{
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::stop_point_ref>("stop_point_ref", "StopPointRef"),
        field<&T::vehicle_ref>("vehicle_ref", "VehicleRef"),
        field<&T::stop_place_ref>("stop_place_ref", "StopPlaceRef"),
        field<&T::stop_place_component_id>("stop_place_component_id", "StopPlaceComponentId"),
        field<&T::operator_ref>("operator_ref", "OperatorRef"),
    };
};
