// EstimatedCall: one stop call of a journey still to come in an estimated timetable.
//
// It has a reader of its own. Every field is optional; a repeated child replaces the earlier
// value (a later run of "ArrivalProximityText" replaces the whole list); a child of another
// name is read whole as a generic value (checked, then dropped); an attribute on the call's
// element fails; and a child "EstimatedCall" is a call in its own right that becomes the
// result at once: what the outer call gathered is dropped and the rest of the outer element
// is left to the reader that holds it (its end tag then closes it without ending that
// reader's own element).
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
#include "enums/departure_status.hpp"
#include "enums/occupancy.hpp"
#include "xml/reader.hpp"

namespace quaymark::structures {

struct EstimatedCall {
    std::optional<std::string> stop_point_ref;
    std::optional<std::uint32_t> order;
    std::optional<std::string> stop_point_name;
    std::optional<bool> extra_call;
    std::optional<bool> cancellation;
    std::optional<enums::Occupancy> occupancy;
    std::optional<bool> platform_traversal;
    std::optional<std::string> destination_display;
    std::optional<std::string> aimed_arrival_time;
    std::optional<std::string> expected_arrival_time;
    std::optional<enums::ArrivalStatus> arrival_status;
    std::optional<std::vector<std::string>> arrival_proximity_text;
    std::optional<std::string> arrival_platform_name;
    std::optional<std::string> arrival_stop_assignment;
    std::optional<std::string> aimed_quay_name;
    std::optional<std::string> aimed_departure_time;
    std::optional<std::string> expected_departure_time;
    std::optional<enums::DepartureStatus> departure_status;
    std::optional<std::string> departure_platform_name;
    std::optional<enums::BoardingActivity> departure_boarding_activity;
};

// Reads one call from the element whose start has just been consumed.
EstimatedCall read_estimated_call(xml::Reader& r, const xml::Event& start);

// The failure of a reader that names its entries itself, on the first attribute of its element.
void reject_attributes(const xml::Event& start);

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::EstimatedCall> {
    using T = structures::EstimatedCall;
    static constexpr std::string_view name = "EstimatedCall";
    static constexpr std::string_view expected = "an XML element representing EstimatedCall";
    static constexpr auto fields = std::tuple{
        field<&T::stop_point_ref>("stop_point_ref", "StopPointRef"),
        field<&T::order>("order", "Order"),
        field<&T::stop_point_name>("stop_point_name", "StopPointName"),
        field<&T::extra_call>("extra_call", "ExtraCall"),
        field<&T::cancellation>("cancellation", "Cancellation"),
        field<&T::occupancy>("occupancy", "Occupancy"),
        field<&T::platform_traversal>("platform_traversal", "PlatformTraversal"),
        field<&T::destination_display>("destination_display", "DestinationDisplay"),
        field<&T::aimed_arrival_time>("aimed_arrival_time", "AimedArrivalTime"),
        field<&T::expected_arrival_time>("expected_arrival_time", "ExpectedArrivalTime"),
        field<&T::arrival_status>("arrival_status", "ArrivalStatus"),
        field<&T::arrival_proximity_text>("arrival_proximity_text", "ArrivalProximityText"),
        field<&T::arrival_platform_name>("arrival_platform_name", "ArrivalPlatformName"),
        field<&T::arrival_stop_assignment>("arrival_stop_assignment", "ArrivalStopAssignment"),
        field<&T::aimed_quay_name>("aimed_quay_name", "AimedQuayName"),
        field<&T::aimed_departure_time>("aimed_departure_time", "AimedDepartureTime"),
        field<&T::expected_departure_time>("expected_departure_time", "ExpectedDepartureTime"),
        field<&T::departure_status>("departure_status", "DepartureStatus"),
        field<&T::departure_platform_name>("departure_platform_name", "DeparturePlatformName"),
        field<&T::departure_boarding_activity>("departure_boarding_activity", "DepartureBoardingActivity"),
    };
    static T read(xml::Reader& r, const xml::Event& start) { return structures::read_estimated_call(r, start); }
};
