// Blocking: whether journey planners are to block what a consequence concerns.
#pragma once

#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct Blocking {
    bool journey_planner;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::Blocking> {
    using T = structures::Blocking;
    static constexpr std::string_view name = "Blocking";
    static constexpr auto fields = std::tuple{
        field<&T::journey_planner>("journey_planner", "JourneyPlanner"),
    };
};
