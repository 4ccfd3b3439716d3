// JourneyPatternInfo: data only, with the fields of JourneyPatternInfoGroup. No document fills
// it; it is held and rendered, never read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/vehicle_mode.hpp"

namespace quaymark::structures {

struct JourneyPatternInfo {
    std::optional<std::string> journey_pattern_ref;
    std::optional<std::string> journey_pattern_name;
    std::optional<enums::VehicleMode> vehicle_mode;
    std::optional<std::string> route_ref;
    std::string published_line_name;
    std::optional<std::string> direction_name;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::JourneyPatternInfo> {
    using T = structures::JourneyPatternInfo;
    static constexpr std::string_view name = "JourneyPatternInfo";
    // No element names: no document fills the fields.
    static constexpr auto fields = std::tuple{
        field<&T::journey_pattern_ref>("journey_pattern_ref"),
        field<&T::journey_pattern_name>("journey_pattern_name"),
        field<&T::vehicle_mode>("vehicle_mode"),
        field<&T::route_ref>("route_ref"),
        field<&T::published_line_name>("published_line_name"),
        field<&T::direction_name>("direction_name"),
    };
};
