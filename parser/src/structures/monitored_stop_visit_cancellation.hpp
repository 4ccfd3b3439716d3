// MonitoredStopVisitCancellation: the withdrawal of a visit announced before.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "models/framed_vehicle_journey_ref.hpp"
#include "structures/journey_pattern_info_group.hpp"

namespace quaymark::structures {

struct MonitoredStopVisitCancellation {
    std::string recorded_at_time;
    std::optional<std::string> event_identity;
    std::optional<std::string> monitoring_ref;
    std::optional<std::string> line_ref;
    std::optional<models::FramedVehicleJourneyRef> vehicle_journey_ref;
    std::optional<JourneyPatternInfoGroup> journey_pattern_info;
    std::optional<std::string> message_reason;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::MonitoredStopVisitCancellation> {
    using T = structures::MonitoredStopVisitCancellation;
    static constexpr std::string_view name = "MonitoredStopVisitCancellation";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::event_identity>("event_identity", "EventIdentity"),
        field<&T::monitoring_ref>("monitoring_ref", "MonitoringRef"),
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::vehicle_journey_ref>("vehicle_journey_ref", "VehicleJourneyRef"),
        field<&T::journey_pattern_info>("journey_pattern_info", "JourneyPatternInfo"),
        field<&T::message_reason>("message_reason", "MessageReason"),
    };
};
