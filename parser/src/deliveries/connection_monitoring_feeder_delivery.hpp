// ConnectionMonitoringFeederDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "structures/monitored_feeder_arrival.hpp"
#include "structures/monitored_feeder_arrival_cancellation.hpp"

namespace quaymark::deliveries {

struct ConnectionMonitoringFeederDelivery {
    models::XxxDelivery leader;
    structures::MonitoredFeederArrival monitored_feeder_arrival;
    structures::MonitoredFeederArrivalCancellation monitored_feeder_arrival_cancellation;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::ConnectionMonitoringFeederDelivery> : deliveries::DeliveryHeader<deliveries::ConnectionMonitoringFeederDelivery> {
    using T = deliveries::ConnectionMonitoringFeederDelivery;
    static constexpr std::string_view name = "ConnectionMonitoringFeederDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::monitored_feeder_arrival>("monitored_feeder_arrival", "MonitoredFeederArrival"),
        field<&T::monitored_feeder_arrival_cancellation>("monitored_feeder_arrival_cancellation", "MonitoredFeederArrivalCancellation"),
    };
};
