// VehicleMonitoringDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "structures/vehicle_activity.hpp"
#include "structures/vehicle_activity_cancellation.hpp"

namespace quaymark::deliveries {

struct VehicleMonitoringDelivery {
    models::XxxDelivery leader;
    std::optional<std::vector<structures::VehicleActivity>> vehicle_activity;
    std::optional<std::vector<structures::VehicleActivityCancellation>> vehicle_activity_cancellation;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::VehicleMonitoringDelivery> : deliveries::DeliveryHeader<deliveries::VehicleMonitoringDelivery> {
    using T = deliveries::VehicleMonitoringDelivery;
    static constexpr std::string_view name = "VehicleMonitoringDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::vehicle_activity>("vehicle_activity", "VehicleActivity"),
        field<&T::vehicle_activity_cancellation>("vehicle_activity_cancellation", "VehicleActivityCancellation"),
    };
};
