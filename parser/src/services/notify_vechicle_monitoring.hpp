// NotifyVechicleMonitoring: a service record, read from the service element in the Body.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "models/service_delivery_info.hpp"
#include "notifications/vehicle_monitoring_notification.hpp"
#include "xml/reader.hpp"

namespace quaymark::services {

struct NotifyVechicleMonitoring {
    models::ServiceDeliveryInfo service_delivery_info;
    notifications::VehicleMonitoringNotification notification;
};

// Reading and the text form live in their own unit: each service's record tree is
// instantiated once, there.
NotifyVechicleMonitoring read_notify_vechicle_monitoring(xml::Reader& r, const xml::Event& start);
void render(std::string& out, const NotifyVechicleMonitoring& v);

}  // namespace quaymark::services

template <>
struct quaymark::bind::Describe<quaymark::services::NotifyVechicleMonitoring> {
    using T = services::NotifyVechicleMonitoring;
    static constexpr std::string_view name = "NotifyVechicleMonitoring";
    static constexpr auto fields = std::tuple{
        field<&T::service_delivery_info>("service_delivery_info", "ServiceDeliveryInfo"),
        field<&T::notification>("notification", "Answer", "Anwser", "Notification"),
    };
};
