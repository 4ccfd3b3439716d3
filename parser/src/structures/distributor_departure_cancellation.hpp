// DistributorDepartureCancellation: the distributor's departure is cancelled.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/distribuor_info.hpp"

namespace quaymark::structures {

struct DistributorDepartureCancellation {
    std::string recorded_at_time;
    std::optional<DistributorInfo> distributor_info;
    std::optional<std::string> reason;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DistributorDepartureCancellation> {
    using T = structures::DistributorDepartureCancellation;
    static constexpr std::string_view name = "DistributorDepartureCancellation";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::distributor_info>("distributor_info", "DistributorInfo"),
        field<&T::reason>("reason", "Reason"),
    };
};
