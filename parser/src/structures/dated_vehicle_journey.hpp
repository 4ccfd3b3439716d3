// DatedVehicleJourney: one dated journey of a production timetable with its calls.
//
// Besides its five own fields the journey keeps every other attribute, text and child of its
// element as leftover entries. Once its element has ended (and "DatedCalls" was found) it forms
// the service info group and then the journey pattern group from the leftover children that
// carry their element names; a group that cannot be formed is absent, never an error. The
// entries neither group takes are dropped.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "bind/flattened.hpp"
#include "bind/leftovers.hpp"
#include "structures/dated_call.hpp"
#include "structures/journey_pattern_info_group.hpp"
#include "structures/service_info_group.hpp"

namespace quaymark::structures {

struct DatedVehicleJourney {
    std::optional<std::string> vehicle_journey_name;
    std::optional<std::string> destination_display;
    std::optional<bool> headway_service;
    std::optional<bool> monitored;
    std::vector<DatedCall> dated_calls;
    std::optional<ServiceInfoGroup> service_info_group;
    std::optional<JourneyPatternInfoGroup> journey_pattern_info;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DatedVehicleJourney> {
    using T = structures::DatedVehicleJourney;
    static constexpr std::string_view name = "DatedVehicleJourney";
    static constexpr auto fields = std::tuple{
        field<&T::vehicle_journey_name>("vehicle_journey_name", "VehicleJourneyName"),
        field<&T::destination_display>("destination_display", "DestinationDisplay"),
        field<&T::headway_service>("headway_service", "HeadwayService"),
        field<&T::monitored>("monitored", "Monitored"),
        field<&T::dated_calls>("dated_calls", "DatedCalls"),
        field<&T::service_info_group>("service_info_group"),
        field<&T::journey_pattern_info>("journey_pattern_info"),
    };
    static void finish(T& journey, const Leftovers& entries) {
        journey.service_info_group = read_flattened<structures::ServiceInfoGroup>(entries);
        journey.journey_pattern_info = read_flattened<structures::JourneyPatternInfoGroup>(entries);
    }
};
