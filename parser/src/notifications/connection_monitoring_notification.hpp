// ConnectionMonitoringNotification: the record holding the service's delivery.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "deliveries/connection_monitoring_feeder_delivery.hpp"
#include "deliveries/connection_monitoring_distributor_delivery.hpp"

namespace quaymark::notifications {

struct ConnectionMonitoringNotification {
    std::optional<deliveries::ConnectionMonitoringFeederDelivery> connection_monitoring_feeder_delivery;
    std::optional<deliveries::ConnectionMonitoringDistributorDelivery> connection_monitoring_distributor_delivery;
};

}  // namespace quaymark::notifications

template <>
struct quaymark::bind::Describe<quaymark::notifications::ConnectionMonitoringNotification> {
    using T = notifications::ConnectionMonitoringNotification;
    static constexpr std::string_view name = "ConnectionMonitoringNotification";
    static constexpr auto fields = std::tuple{
        field<&T::connection_monitoring_feeder_delivery>("connection_monitoring_feeder_delivery", "ConnectionMonitoringFeederDelivery"),
        field<&T::connection_monitoring_distributor_delivery>("connection_monitoring_distributor_delivery", "ConnectionMonitoringDistributorDelivery"),
    };
};
