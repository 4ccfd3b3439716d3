// ScopeType: the scope of a situation or a publishing action, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class ScopeType : std::uint8_t {
    General,
    Operator,
    Network,
    Route,
    Line,
    Place,
    StopPlace,
    StopPoint,
    VehicleJourney,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::ScopeType> {
    static constexpr std::string_view name = "ScopeType";
    static constexpr std::array<std::string_view, 9> texts{
        "general", "operator", "network", "route", "line", "place", "stopPlace", "stopPoint",
        "vehicleJourney"
    };
    static constexpr std::array<std::string_view, 9> variants{
        "General", "Operator", "Network", "Route", "Line", "Place", "StopPlace", "StopPoint",
        "VehicleJourney"
    };
};
