// Occupancy: the occupancy of a vehicle at a call, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class Occupancy : std::uint8_t {
    Full,
    SeatsAvailable,
    StandingAvailable,
    Unknown,
    Empty,
    ManySeatAvailable,
    FewSeatAvailable,
    StandingRoomOnly,
    CrushStandingRoomOnly,
    NotAcceptingPassengers,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::Occupancy> {
    static constexpr std::string_view name = "Occupancy";
    static constexpr std::array<std::string_view, 10> texts{
        "full", "seatsAvailable", "standingAvailable", "unknown", "empty", "manySeatAvailable",
        "fewSeatAvailable", "standingRoomOnly", "crushStandingRoomOnly", "notAcceptingPassengers"
    };
    static constexpr std::array<std::string_view, 10> variants{
        "Full", "SeatsAvailable", "StandingAvailable", "Unknown", "Empty", "ManySeatAvailable",
        "FewSeatAvailable", "StandingRoomOnly", "CrushStandingRoomOnly", "NotAcceptingPassengers"
    };
};
