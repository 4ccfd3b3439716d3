// ConnectionMonitoringDistributorDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "structures/distributor_departure_cancellation.hpp"
#include "structures/stopping_position_change_departure.hpp"
#include "structures/wait_prolonged_departure.hpp"

namespace quaymark::deliveries {

struct ConnectionMonitoringDistributorDelivery {
    models::XxxDelivery leader;
    std::optional<structures::WaitProlongedDeparture> wait_prolonged_departure;
    std::optional<structures::StoppingPositionChangeDeparture> stopping_position_change_departure;
    std::optional<structures::DistributorDepartureCancellation> distributor_departure_cancellation;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::ConnectionMonitoringDistributorDelivery> : deliveries::DeliveryHeader<deliveries::ConnectionMonitoringDistributorDelivery> {
    using T = deliveries::ConnectionMonitoringDistributorDelivery;
    static constexpr std::string_view name = "ConnectionMonitoringDistributorDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::wait_prolonged_departure>("wait_prolonged_departure", "WaitProlongedDeparture"),
        field<&T::stopping_position_change_departure>("stopping_position_change_departure", "StoppingPositionChangeDeparture"),
        field<&T::distributor_departure_cancellation>("distributor_departure_cancellation", "DistributorDepartureCancellation"),
    };
};
