// MonitoredStopVisit: a vehicle's visit at a monitored stop.
#pragma once

#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/monitored_vehicle_journey.hpp"

namespace quaymark::structures {

struct MonitoredStopVisit {
    std::string recorded_at_time;
    std::string item_identifier;
    std::string monitoring_ref;
    MonitoredVehicleJourney monitored_vehicle_journey;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::MonitoredStopVisit> {
    using T = structures::MonitoredStopVisit;
    static constexpr std::string_view name = "MonitoredStopVisit";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::item_identifier>("item_identifier", "ItemIdentifier"),
        field<&T::monitoring_ref>("monitoring_ref", "MonitoringRef"),
        field<&T::monitored_vehicle_journey>("monitored_vehicle_journey", "MonitoredVehicleJourney"),
    };
};
