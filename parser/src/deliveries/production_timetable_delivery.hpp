// ProductionTimetableDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "structures/dated_timetable_version_frame.hpp"

namespace quaymark::deliveries {

struct ProductionTimetableDelivery {
    models::XxxDelivery leader;
    structures::DatedTimetableVersionFrame dated_timetable_version_frame;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::ProductionTimetableDelivery> : deliveries::DeliveryHeader<deliveries::ProductionTimetableDelivery> {
    using T = deliveries::ProductionTimetableDelivery;
    static constexpr std::string_view name = "ProductionTimetableDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::dated_timetable_version_frame>("dated_timetable_version_frame", "DatedTimetableVersionFrame"),
    };
};
