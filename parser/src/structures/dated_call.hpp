// DatedCall: one call of a dated vehicle journey at a stop. Every field is optional. The
// arrival platform is "ArrivalPlatform" while the departure one is "DeparturePlatformName";
// times stay text and the headway interval is a plain number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/boarding_activity.hpp"
#include "structures/targeted_interchange.hpp"

namespace quaymark::structures {

struct DatedCall {
    std::optional<std::string> stop_point_ref;
    std::optional<std::uint32_t> order;
    std::optional<std::string> stop_point_name;
    std::optional<std::string> destination_display;
    std::optional<std::string> aimed_arrival_time;
    std::optional<std::string> arrival_platform;
    std::optional<std::string> aimed_quay_name;
    std::optional<std::string> aimed_departure_time;
    std::optional<std::string> departure_platform_name;
    std::optional<enums::BoardingActivity> departure_boarding_activity;
    std::optional<std::uint32_t> aimed_headway_interval;
    std::optional<TargetedInterchange> targeted_interchange;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DatedCall> {
    using T = structures::DatedCall;
    static constexpr std::string_view name = "DatedCall";
    static constexpr auto fields = std::tuple{
        field<&T::stop_point_ref>("stop_point_ref", "StopPointRef"),
        field<&T::order>("order", "Order"),
        field<&T::stop_point_name>("stop_point_name", "StopPointName"),
        field<&T::destination_display>("destination_display", "DestinationDisplay"),
        field<&T::aimed_arrival_time>("aimed_arrival_time", "AimedArrivalTime"),
        field<&T::arrival_platform>("arrival_platform", "ArrivalPlatform"),
        field<&T::aimed_quay_name>("aimed_quay_name", "AimedQuayName"),
        field<&T::aimed_departure_time>("aimed_departure_time", "AimedDepartureTime"),
        field<&T::departure_platform_name>("departure_platform_name", "DeparturePlatformName"),
        field<&T::departure_boarding_activity>("departure_boarding_activity", "DepartureBoardingActivity"),
        field<&T::aimed_headway_interval>("aimed_headway_interval", "AimedHeadwayInterval"),
        field<&T::targeted_interchange>("targeted_interchange", "TargetedInterchange"),
    };
};
