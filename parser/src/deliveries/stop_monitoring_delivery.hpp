// StopMonitoringDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "structures/monitored_stop_visit.hpp"
#include "structures/monitored_stop_visit_cancellation.hpp"

namespace quaymark::deliveries {

struct StopMonitoringDelivery {
    models::XxxDelivery leader;
    std::optional<std::string> monitoring_ref;
    std::optional<std::vector<structures::MonitoredStopVisit>> monitored_stop_visit;
    std::optional<std::vector<structures::MonitoredStopVisitCancellation>> monitored_stop_visit_cancellation;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::StopMonitoringDelivery> : deliveries::DeliveryHeader<deliveries::StopMonitoringDelivery> {
    using T = deliveries::StopMonitoringDelivery;
    static constexpr std::string_view name = "StopMonitoringDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::monitoring_ref>("monitoring_ref", "MonitoringRef"),
        field<&T::monitored_stop_visit>("monitored_stop_visit", "MonitoredStopVisit"),
        field<&T::monitored_stop_visit_cancellation>("monitored_stop_visit_cancellation", "MonitoredStopVisitCancellation"),
    };
};
