// FacilityMonitoringDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "structures/facility_condition.hpp"

namespace quaymark::deliveries {

struct FacilityMonitoringDelivery {
    models::XxxDelivery leader;
    structures::FacilityCondition facility_condition;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::FacilityMonitoringDelivery> : deliveries::DeliveryHeader<deliveries::FacilityMonitoringDelivery> {
    using T = deliveries::FacilityMonitoringDelivery;
    static constexpr std::string_view name = "FacilityMonitoringDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::facility_condition>("facility_condition", "FacilityCondition"),
    };
};
