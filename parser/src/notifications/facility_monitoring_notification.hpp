// FacilityMonitoringNotification: the record holding the service's delivery.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "deliveries/facility_monitoring_delivery.hpp"

namespace quaymark::notifications {

struct FacilityMonitoringNotification {
    deliveries::FacilityMonitoringDelivery facility_monitoring_delivery;
};

}  // namespace quaymark::notifications

template <>
struct quaymark::bind::Describe<quaymark::notifications::FacilityMonitoringNotification> {
    using T = notifications::FacilityMonitoringNotification;
    static constexpr std::string_view name = "FacilityMonitoringNotification";
    static constexpr auto fields = std::tuple{
        field<&T::facility_monitoring_delivery>("facility_monitoring_delivery", "FacilityMonitoringDelivery"),
    };
};
