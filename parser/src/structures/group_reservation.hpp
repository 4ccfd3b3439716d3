// GroupReservation: seats reserved for a named group of passengers. No document element is
// read into it; it exists for the text form of the occupancy records that hold it, so its
// fields name no element.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct GroupReservation {
    std::string name_of_group;
    std::uint32_t number_of_seats = 0;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::GroupReservation> {
    using T = structures::GroupReservation;
    static constexpr std::string_view name = "GroupReservation";
    static constexpr auto fields = std::tuple{
        field<&T::name_of_group>("name_of_group"),
        field<&T::number_of_seats>("number_of_seats"),
    };
};
