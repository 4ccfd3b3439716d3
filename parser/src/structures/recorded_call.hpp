// RecordedCall: a call the vehicle has already made. Data only: no document fills it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/occupancy.hpp"
#include "structures/arrival_info.hpp"
#include "structures/departure_info.hpp"
#include "structures/distribution_group.hpp"
#include "structures/expected_departure_capacity.hpp"
#include "structures/expected_departure_occupancy.hpp"

namespace quaymark::structures {

struct RecordedCall {
    std::string stop_point_ref;
    std::uint32_t order = 0;
    std::optional<std::string> stop_point_name;
    std::optional<bool> extra_call;
    std::optional<bool> cancellation;
    std::optional<enums::Occupancy> occupancy;
    std::optional<bool> platform_traversal;
    std::optional<DisruptionGroup> disruption_group;
    std::optional<ArrivalInfo> arrival;
    std::optional<DepartureInfo> departure;
    std::optional<ExpectedDepartureOccupancy> expected_departure_occupancy;
    std::optional<ExpectedDepartureCapacity> expected_departure_capacity;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::RecordedCall> {
    using T = structures::RecordedCall;
    static constexpr std::string_view name = "RecordedCall";
    // No element names: no document fills the fields.
    static constexpr auto fields = std::tuple{
        field<&T::stop_point_ref>("stop_point_ref"),
        field<&T::order>("order"),
        field<&T::stop_point_name>("stop_point_name"),
        field<&T::extra_call>("extra_call"),
        field<&T::cancellation>("cancellation"),
        field<&T::occupancy>("occupancy"),
        field<&T::platform_traversal>("platform_traversal"),
        field<&T::disruption_group>("disruption_group"),
        field<&T::arrival>("arrival"),
        field<&T::departure>("departure"),
        field<&T::expected_departure_occupancy>("expected_departure_occupancy"),
        field<&T::expected_departure_capacity>("expected_departure_capacity"),
    };
};
