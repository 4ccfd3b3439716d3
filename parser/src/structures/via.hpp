// Via: a place a journey passes on its way to its destination.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct Via {
    std::optional<std::string> place_ref;
    std::optional<std::string> place_name;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::Via> {
    using T = structures::Via;
    static constexpr std::string_view name = "Via";
    static constexpr auto fields = std::tuple{
        field<&T::place_ref>("place_ref", "PlaceRef"),
        field<&T::place_name>("place_name", "PlaceName"),
    };
};
