// NotifyProductionTimetable: a service record, read from the service element in the Body.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "models/service_delivery_info.hpp"
#include "notifications/production_timetable_notification.hpp"
#include "xml/reader.hpp"

namespace quaymark::services {

struct NotifyProductionTimetable {
    models::ServiceDeliveryInfo service_delivery_info;
    notifications::ProductionTimetableNotification notification;
};

// Reading and the text form live in their own unit: each service's record tree is
// instantiated once, there.
NotifyProductionTimetable read_notify_production_timetable(xml::Reader& r, const xml::Event& start);
void render(std::string& out, const NotifyProductionTimetable& v);

}  // namespace quaymark::services

template <>
struct quaymark::bind::Describe<quaymark::services::NotifyProductionTimetable> {
    using T = services::NotifyProductionTimetable;
    static constexpr std::string_view name = "NotifyProductionTimetable";
    static constexpr auto fields = std::tuple{
        field<&T::service_delivery_info>("service_delivery_info", "ServiceDeliveryInfo"),
        field<&T::notification>("notification", "Notification"),
    };
};
