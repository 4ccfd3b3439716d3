// JourneyInfo: the line and pattern of a journey whose feeder arrival was withdrawn. Unlike
// JourneyPatternInfoGroup, nothing in it is required.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/vehicle_mode.hpp"

namespace quaymark::structures {

struct JourneyInfo {
    std::optional<std::string> line_ref;
    std::optional<std::string> direction_ref;
    std::optional<std::string> journey_pattern_ref;
    std::optional<std::string> journey_pattern_name;
    std::optional<enums::VehicleMode> vehicle_mode;
    std::optional<std::string> route_ref;
    std::optional<std::string> published_line_name;
    std::optional<std::string> group_of_lines_ref;
    std::optional<std::string> direction_name;
    std::optional<std::string> reason;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::JourneyInfo> {
    using T = structures::JourneyInfo;
    static constexpr std::string_view name = "JourneyInfo";
    static constexpr auto fields = std::tuple{
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::direction_ref>("direction_ref", "DirectionRef"),
        field<&T::journey_pattern_ref>("journey_pattern_ref", "JourneyPatternRef"),
        field<&T::journey_pattern_name>("journey_pattern_name", "JourneyPatternName"),
        field<&T::vehicle_mode>("vehicle_mode", "VehicleMode"),
        field<&T::route_ref>("route_ref", "RouteRef"),
        field<&T::published_line_name>("published_line_name", "PublishedLineName"),
        field<&T::group_of_lines_ref>("group_of_lines_ref", "GroupOfLinesRef"),
        field<&T::direction_name>("direction_name", "DirectionName"),
        field<&T::reason>("reason", "Reason"),
    };
};
