// VehicleActivity: one observation of a vehicle on its journey.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/monitored_vehicle_journey.hpp"
#include "structures/progress_between_stops.hpp"

namespace quaymark::structures {

struct VehicleActivity {
    std::optional<std::string> recorded_at_time;
    std::optional<std::string> valid_until_time;
    std::optional<std::string> item_identifier;
    std::optional<std::string> vehicle_monitoring_ref;
    std::optional<ProgressBetweenStops> progress_between_stops;
    MonitoredVehicleJourney monitored_vehicle_journey;
    std::optional<std::string> vehicle_activity_note;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::VehicleActivity> {
    using T = structures::VehicleActivity;
    static constexpr std::string_view name = "VehicleActivity";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::valid_until_time>("valid_until_time", "ValidUntilTime"),
        field<&T::item_identifier>("item_identifier", "ItemIdentifier"),
        field<&T::vehicle_monitoring_ref>("vehicle_monitoring_ref", "VehicleMonitoringRef"),
        field<&T::progress_between_stops>("progress_between_stops", "ProgressBetweenStops"),
        field<&T::monitored_vehicle_journey>("monitored_vehicle_journey", "MonitoredVehicleJourney"),
        field<&T::vehicle_activity_note>("vehicle_activity_note", "VehicleActivityNote"),
    };
};
