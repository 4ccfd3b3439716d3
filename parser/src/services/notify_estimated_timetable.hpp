// NotifyEstimatedTimetable: a service record, read from the service element in the Body.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "models/service_delivery_info.hpp"
#include "notifications/estimated_timetable_notification.hpp"
#include "xml/reader.hpp"

namespace quaymark::services {

struct NotifyEstimatedTimetable {
    models::ServiceDeliveryInfo service_delivery_info;
    notifications::EstimatedTimetableNotification notification;
};

// Reading and the text form live in their own unit: each service's record tree is
// instantiated once, there.
NotifyEstimatedTimetable read_notify_estimated_timetable(xml::Reader& r, const xml::Event& start);
void render(std::string& out, const NotifyEstimatedTimetable& v);

}  // namespace quaymark::services

template <>
struct quaymark::bind::Describe<quaymark::services::NotifyEstimatedTimetable> {
    using T = services::NotifyEstimatedTimetable;
    static constexpr std::string_view name = "NotifyEstimatedTimetable";
    static constexpr auto fields = std::tuple{
        field<&T::service_delivery_info>("service_delivery_info", "ServiceDeliveryInfo"),
        field<&T::notification>("notification", "Notification"),
    };
};
