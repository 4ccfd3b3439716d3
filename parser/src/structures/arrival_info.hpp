// ArrivalInfo: the arrival of a call already made. Data only: no document fills it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/arrival_status.hpp"
#include "enums/boarding_activity.hpp"
#include "structures/stop_assigment.hpp"

namespace quaymark::structures {

struct ArrivalInfo {
    std::optional<std::string> aimed_arrival_time;
    std::optional<std::string> actual_arrival_time;
    std::optional<std::string> expected_arrival_time;
    std::optional<enums::ArrivalStatus> arrival_status;
    std::vector<std::string> arrival_proximity_text;
    std::optional<std::string> arrival_platform_name;
    std::optional<enums::BoardingActivity> arrival_boarding_activity;
    std::optional<StopAssignment> arrival_stop_assignment;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ArrivalInfo> {
    using T = structures::ArrivalInfo;
    static constexpr std::string_view name = "ArrivalInfo";
    // No element names: no document fills the fields.
    static constexpr auto fields = std::tuple{
        field<&T::aimed_arrival_time>("aimed_arrival_time"),
        field<&T::actual_arrival_time>("actual_arrival_time"),
        field<&T::expected_arrival_time>("expected_arrival_time"),
        field<&T::arrival_status>("arrival_status"),
        field<&T::arrival_proximity_text>("arrival_proximity_text"),
        field<&T::arrival_platform_name>("arrival_platform_name"),
        field<&T::arrival_boarding_activity>("arrival_boarding_activity"),
        field<&T::arrival_stop_assignment>("arrival_stop_assignment"),
    };
};
