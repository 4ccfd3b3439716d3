// VehicleJourneyInfoGroup: the ends, notes and timing of a vehicle journey, read from the
// element its holder names ("VehicleJourneyInfo"). Its "JourneyInfo" is a text, not the
// JourneyInfo record.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/journey_end_names_group.hpp"

namespace quaymark::structures {

struct VehicleJourneyInfoGroup {
    std::optional<JourneyEndNamesGroup> journey_end_names;
    std::optional<std::string> journey_info;
    std::optional<std::string> journey_note;
    std::optional<bool> headway_service;
    std::optional<std::string> origin_aimed_departure_time;
    std::optional<std::string> destination_aimed_arrival_time;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::VehicleJourneyInfoGroup> {
    using T = structures::VehicleJourneyInfoGroup;
    static constexpr std::string_view name = "VehicleJourneyInfoGroup";
    static constexpr auto fields = std::tuple{
        field<&T::journey_end_names>("journey_end_names", "JourneyEndNames"),
        field<&T::journey_info>("journey_info", "JourneyInfo"),
        field<&T::journey_note>("journey_note", "JourneyNote"),
        field<&T::headway_service>("headway_service", "HeadwayService"),
        field<&T::origin_aimed_departure_time>("origin_aimed_departure_time", "OriginAimedDepartureTime"),
        field<&T::destination_aimed_arrival_time>("destination_aimed_arrival_time", "DestinationAimedArrivalTime"),
    };
};
