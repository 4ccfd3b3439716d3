// FacilityAvailability: the availability of a facility, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class FacilityAvailability : std::uint8_t {
    Unknown,
    Available,
    NotAvailable,
    PartiallyAvailable,
    Added,
    Removed,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::FacilityAvailability> {
    static constexpr std::string_view name = "FacilityAvailability";
    static constexpr std::array<std::string_view, 6> texts{
        "unknown", "available", "notAvailable", "partiallyAvailable", "added", "removed"
    };
    static constexpr std::array<std::string_view, 6> variants{
        "Unknown", "Available", "NotAvailable", "PartiallyAvailable", "Added", "Removed"
    };
};
