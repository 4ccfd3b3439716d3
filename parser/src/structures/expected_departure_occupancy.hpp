// ExpectedDepartureOccupancy: the occupancy expected on departure from a call. Data only: no document fills it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/occupancy.hpp"
#include "structures/group_reservation.hpp"

namespace quaymark::structures {

struct ExpectedDepartureOccupancy {
    std::optional<std::string> passenger_category;
    std::optional<enums::Occupancy> occupancy_level;
    std::optional<std::uint32_t> occupancy_percentage;
    std::optional<std::uint32_t> alighting_count;
    std::optional<std::uint32_t> boarding_count;
    std::optional<std::uint32_t> onboard_count;
    std::vector<GroupReservation> group_reservations;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ExpectedDepartureOccupancy> {
    using T = structures::ExpectedDepartureOccupancy;
    static constexpr std::string_view name = "ExpectedDepartureOccupancy";
    // No element names: no document fills the fields.
    static constexpr auto fields = std::tuple{
        field<&T::passenger_category>("passenger_category"),
        field<&T::occupancy_level>("occupancy_level"),
        field<&T::occupancy_percentage>("occupancy_percentage"),
        field<&T::alighting_count>("alighting_count"),
        field<&T::boarding_count>("boarding_count"),
        field<&T::onboard_count>("onboard_count"),
        field<&T::group_reservations>("group_reservations"),
    };
};
