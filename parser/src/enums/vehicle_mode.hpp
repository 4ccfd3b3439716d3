// VehicleMode: the mode of a vehicle, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class VehicleMode : std::uint8_t {
    Air,
    Bus,
    Coach,
    Ferry,
    Metro,
    Rail,
    Tram,
    Underground,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::VehicleMode> {
    static constexpr std::string_view name = "VehicleMode";
    static constexpr std::array<std::string_view, 8> texts{
        "air", "bus", "coach", "ferry", "metro", "rail", "tram", "underground"
    };
    static constexpr std::array<std::string_view, 8> variants{
        "Air", "Bus", "Coach", "Ferry", "Metro", "Rail", "Tram", "Underground"
    };
};
