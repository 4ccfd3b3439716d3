// NotifyFacilityMonitoring: a service record, read from the service element in the Body.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "models/service_delivery_info.hpp"
#include "notifications/facility_monitoring_notification.hpp"
#include "xml/reader.hpp"

namespace quaymark::services {

struct NotifyFacilityMonitoring {
    models::ServiceDeliveryInfo service_delivery_info;
    notifications::FacilityMonitoringNotification notification;
};

// Reading and the text form live in their own unit: each service's record tree is
// instantiated once, there.
NotifyFacilityMonitoring read_notify_facility_monitoring(xml::Reader& r, const xml::Event& start);
void render(std::string& out, const NotifyFacilityMonitoring& v);

}  // namespace quaymark::services

template <>
struct quaymark::bind::Describe<quaymark::services::NotifyFacilityMonitoring> {
    using T = services::NotifyFacilityMonitoring;
    static constexpr std::string_view name = "NotifyFacilityMonitoring";
    static constexpr auto fields = std::tuple{
        field<&T::service_delivery_info>("service_delivery_info", "ServiceDeliveryInfo"),
        field<&T::notification>("notification", "Notification"),
    };
};
