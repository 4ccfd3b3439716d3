// Boarding: the boarding and alighting activity of a consequence.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/boarding_activity.hpp"

namespace quaymark::structures {

struct Boarding {
    std::optional<enums::BoardingActivity> arrival_boarding_activity;
    std::optional<enums::BoardingActivity> departure_boarding_activity;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::Boarding> {
    using T = structures::Boarding;
    static constexpr std::string_view name = "Boarding";
    static constexpr auto fields = std::tuple{
        field<&T::arrival_boarding_activity>("arrival_boarding_activity", "ArrivalBoardingActivity"),
        field<&T::departure_boarding_activity>("departure_boarding_activity", "DepartureBoardingActivity"),
    };
};
