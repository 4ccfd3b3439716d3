// Zone: the place an affected stop point lies in. It has no element of its own: its three
// elements stand among the stop point's children, and it exists only when all three do.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct Zone {
    std::string place_ref;
    std::string place_name;
    std::string stop_condition;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::Zone> {
    using T = structures::Zone;
    static constexpr std::string_view name = "Zone";
    static constexpr auto fields = std::tuple{
        field<&T::place_ref>("place_ref", "PlaceRef"),
        field<&T::place_name>("place_name", "PlaceName"),
        field<&T::stop_condition>("stop_condition", "StopCondition"),
    };
};
