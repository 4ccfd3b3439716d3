// ProductionTimetableNotification: the record holding the service's delivery.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "deliveries/production_timetable_delivery.hpp"

namespace quaymark::notifications {

struct ProductionTimetableNotification {
    deliveries::ProductionTimetableDelivery production_timetable_delivery;
};

}  // namespace quaymark::notifications

template <>
struct quaymark::bind::Describe<quaymark::notifications::ProductionTimetableNotification> {
    using T = notifications::ProductionTimetableNotification;
    static constexpr std::string_view name = "ProductionTimetableNotification";
    static constexpr auto fields = std::tuple{
        field<&T::production_timetable_delivery>("production_timetable_delivery", "ProductionTimetableDelivery"),
    };
};
