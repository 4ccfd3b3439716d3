// AffectedPlace: one stop place or place a situation affects.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct AffectedPlace {
    std::string place_ref;
    std::string place_name;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::AffectedPlace> {
    using T = structures::AffectedPlace;
    static constexpr std::string_view name = "AffectedPlace";
    static constexpr auto fields = std::tuple{
        field<&T::place_ref>("place_ref", "PlaceRef"),
        field<&T::place_name>("place_name", "PlaceName"),
    };
};
