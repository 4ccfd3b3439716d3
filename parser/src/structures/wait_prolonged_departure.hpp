// WaitProlongedDeparture: the distributor's wait before departure is prolonged.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/distribuor_info.hpp"

namespace quaymark::structures {

struct WaitProlongedDeparture {
    std::string recorded_at_time;
    std::optional<DistributorInfo> distributor_info;
    std::optional<std::string> expected_departure_time;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::WaitProlongedDeparture> {
    using T = structures::WaitProlongedDeparture;
    static constexpr std::string_view name = "WaitProlongedDeparture";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::distributor_info>("distributor_info", "DistributorInfo"),
        field<&T::expected_departure_time>("expected_departure_time", "ExpectedDepartureTime"),
    };
};
