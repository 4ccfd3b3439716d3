// ValidityPeriod: the time span in which a situation or a facility condition holds. Both times
// are kept as the document writes them.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/end_time_precision.hpp"
#include "enums/end_time_status.hpp"

namespace quaymark::structures {

struct ValidityPeriod {
    std::string start_time;
    std::string end_time;
    std::optional<enums::EndTimeStatus> end_time_status;
    std::optional<enums::EndTimePrecision> end_time_precision;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ValidityPeriod> {
    using T = structures::ValidityPeriod;
    static constexpr std::string_view name = "ValidityPeriod";
    static constexpr auto fields = std::tuple{
        field<&T::start_time>("start_time", "StartTime"),
        field<&T::end_time>("end_time", "EndTime"),
        field<&T::end_time_status>("end_time_status", "EndTimeStatus"),
        field<&T::end_time_precision>("end_time_precision", "EndTimePrecision"),
    };
};
