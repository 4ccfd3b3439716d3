// JourneyPatternInfoGroup: the pattern and published line of a journey, read from the element
// its holder names ("JourneyPatternInfo"), or gathered from a dated journey's own children.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/vehicle_mode.hpp"

namespace quaymark::structures {

struct JourneyPatternInfoGroup {
    std::optional<std::string> journey_pattern_ref;
    std::optional<std::string> journey_pattern_name;
    std::optional<enums::VehicleMode> vehicle_mode;
    std::optional<std::string> route_ref;
    std::string published_line_name;
    std::optional<std::string> direction_name;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::JourneyPatternInfoGroup> {
    using T = structures::JourneyPatternInfoGroup;
    static constexpr std::string_view name = "JourneyPatternInfoGroup";
    static constexpr auto fields = std::tuple{
        field<&T::journey_pattern_ref>("journey_pattern_ref", "JourneyPatternRef"),
        field<&T::journey_pattern_name>("journey_pattern_name", "JourneyPatternName"),
        field<&T::vehicle_mode>("vehicle_mode", "VehicleMode"),
        field<&T::route_ref>("route_ref", "RouteRef"),
        field<&T::published_line_name>("published_line_name", "PublishedLineName"),
        field<&T::direction_name>("direction_name", "DirectionName"),
    };
};
