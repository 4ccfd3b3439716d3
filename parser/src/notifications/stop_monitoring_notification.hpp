// StopMonitoringNotification: the record holding the service's delivery.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "deliveries/stop_monitoring_delivery.hpp"

namespace quaymark::notifications {

struct StopMonitoringNotification {
    deliveries::StopMonitoringDelivery stop_monitoring_delivery;
};

}  // namespace quaymark::notifications

template <>
struct quaymark::bind::Describe<quaymark::notifications::StopMonitoringNotification> {
    using T = notifications::StopMonitoringNotification;
    static constexpr std::string_view name = "StopMonitoringNotification";
    static constexpr auto fields = std::tuple{
        field<&T::stop_monitoring_delivery>("stop_monitoring_delivery", "StopMonitoringDelivery"),
    };
};
