// DepartureInfo: the departure of a call already made. Data only: no document fills it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/boarding_activity.hpp"
#include "enums/departure_status.hpp"

namespace quaymark::structures {

struct DepartureInfo {
    std::optional<std::string> aimed_departure_time;
    std::optional<std::string> actual_departure_time;
    std::optional<std::string> expected_departure_time;
    std::optional<enums::DepartureStatus> departure_status;
    std::optional<std::string> departure_platform_name;
    std::optional<enums::BoardingActivity> departure_boarding_activity;
    std::optional<std::string> expected_quay_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DepartureInfo> {
    using T = structures::DepartureInfo;
    static constexpr std::string_view name = "DepartureInfo";
    // No element names: no document fills the fields.
    static constexpr auto fields = std::tuple{
        field<&T::aimed_departure_time>("aimed_departure_time"),
        field<&T::actual_departure_time>("actual_departure_time"),
        field<&T::expected_departure_time>("expected_departure_time"),
        field<&T::departure_status>("departure_status"),
        field<&T::departure_platform_name>("departure_platform_name"),
        field<&T::departure_boarding_activity>("departure_boarding_activity"),
        field<&T::expected_quay_ref>("expected_quay_ref"),
    };
};
