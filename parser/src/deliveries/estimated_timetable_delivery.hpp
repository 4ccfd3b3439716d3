// EstimatedTimetableDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "models/estimated_journey_version_frame.hpp"

namespace quaymark::deliveries {

struct EstimatedTimetableDelivery {
    models::XxxDelivery leader;
    models::EstimatedJourneyVersionFrame estimated_journey_version_frame;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::EstimatedTimetableDelivery> : deliveries::DeliveryHeader<deliveries::EstimatedTimetableDelivery> {
    using T = deliveries::EstimatedTimetableDelivery;
    static constexpr std::string_view name = "EstimatedTimetableDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::estimated_journey_version_frame>("estimated_journey_version_frame", "EstimatedJourneyVersionFrame"),
    };
};
