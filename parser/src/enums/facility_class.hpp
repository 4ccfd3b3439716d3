// FacilityClass: the class of a facility, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class FacilityClass : std::uint8_t {
    FixedEquipment,
    MobileEquipment,
    SiteComponent,
    Site,
    ParkingBay,
    Vehicle,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::FacilityClass> {
    static constexpr std::string_view name = "FacilityClass";
    static constexpr std::array<std::string_view, 6> texts{
        "fixedEquipment", "mobileEquipment", "siteComponent", "site", "parkingBay", "vehicle"
    };
    static constexpr std::array<std::string_view, 6> variants{
        "FixedEquipment", "MobileEquipment", "SiteComponent", "Site", "ParkingBay", "Vehicle"
    };
};
