// ValidityCondition: the run of validity periods of a facility, read from "Period" elements.
#pragma once

#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "structures/validity_period.hpp"

namespace quaymark::structures {

struct ValidityCondition {
    std::vector<ValidityPeriod> period;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ValidityCondition> {
    using T = structures::ValidityCondition;
    static constexpr std::string_view name = "ValidityCondition";
    static constexpr auto fields = std::tuple{
        field<&T::period>("period", "Period"),
    };
};
