// EstimatedTimetableNotification: the record holding the service's delivery.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "deliveries/estimated_timetable_delivery.hpp"

namespace quaymark::notifications {

struct EstimatedTimetableNotification {
    deliveries::EstimatedTimetableDelivery estimated_timetable_delivery;
};

}  // namespace quaymark::notifications

template <>
struct quaymark::bind::Describe<quaymark::notifications::EstimatedTimetableNotification> {
    using T = notifications::EstimatedTimetableNotification;
    static constexpr std::string_view name = "EstimatedTimetableNotification";
    static constexpr auto fields = std::tuple{
        field<&T::estimated_timetable_delivery>("estimated_timetable_delivery", "EstimatedTimetableDelivery", "siri1:EstimatedTimetableDelivery"),
    };
};
