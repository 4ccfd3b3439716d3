// ProgressBetweenStops: how far a vehicle has come between two stops, as two signed whole
// numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct ProgressBetweenStops {
    std::optional<std::int32_t> link_distance;
    std::optional<std::int32_t> percentage;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ProgressBetweenStops> {
    using T = structures::ProgressBetweenStops;
    static constexpr std::string_view name = "ProgressBetweenStops";
    static constexpr auto fields = std::tuple{
        field<&T::link_distance>("link_distance", "LinkDistance"),
        field<&T::percentage>("percentage", "Percentage"),
    };
};
