// VehicleActivityCancellation: the withdrawal of a vehicle activity. "Reasons" is a list of
// text: each element of the run is one item, and text standing after an item of the run joins
// the list as one more item.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "structures/framed_vehicle_journey_ref.hpp"
#include "structures/journey_pattern_info_group.hpp"

namespace quaymark::structures {

struct VehicleActivityCancellation {
    std::optional<std::string> recorded_at_time;
    std::optional<std::string> event_identity;
    std::optional<std::string> vehicle_monitoring_ref;
    std::optional<FramedVehicleJourneyRef> framed_vehicle_journey_ref;
    std::optional<std::string> line_ref;
    std::optional<JourneyPatternInfoGroup> journey_pattern_info;
    std::vector<std::string> reasons;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::VehicleActivityCancellation> {
    using T = structures::VehicleActivityCancellation;
    static constexpr std::string_view name = "VehicleActivityCancellation";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::event_identity>("event_identity", "EventIdentity"),
        field<&T::vehicle_monitoring_ref>("vehicle_monitoring_ref", "VehicleMonitoringRef"),
        field<&T::framed_vehicle_journey_ref>("framed_vehicle_journey_ref", "FramedVehicleJourneyRef"),
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::journey_pattern_info>("journey_pattern_info", "JourneyPatternInfo"),
        field<&T::reasons>("reasons", "Reasons"),
    };
};
