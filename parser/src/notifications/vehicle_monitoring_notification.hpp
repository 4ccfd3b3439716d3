// VehicleMonitoringNotification: the record holding the service's delivery.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "deliveries/vehicle_monitoring_delivery.hpp"

namespace quaymark::notifications {

struct VehicleMonitoringNotification {
    deliveries::VehicleMonitoringDelivery vehicle_monitoring_delivery;
};

}  // namespace quaymark::notifications

template <>
struct quaymark::bind::Describe<quaymark::notifications::VehicleMonitoringNotification> {
    using T = notifications::VehicleMonitoringNotification;
    static constexpr std::string_view name = "VehicleMonitoringNotification";
    static constexpr auto fields = std::tuple{
        field<&T::vehicle_monitoring_delivery>("vehicle_monitoring_delivery", "VehicleMonitoringDelivery"),
    };
};
