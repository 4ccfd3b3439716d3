// NotifyConnectionMonitoring: a service record, read from the service element in the Body.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "models/service_delivery_info.hpp"
#include "notifications/connection_monitoring_notification.hpp"
#include "xml/reader.hpp"

namespace quaymark::services {

struct NotifyConnectionMonitoring {
    models::ServiceDeliveryInfo service_delivery_info;
    notifications::ConnectionMonitoringNotification notification;
};

// Reading and the text form live in their own unit: each service's record tree is
// instantiated once, there.
NotifyConnectionMonitoring read_notify_connection_monitoring(xml::Reader& r, const xml::Event& start);
void render(std::string& out, const NotifyConnectionMonitoring& v);

}  // namespace quaymark::services

template <>
struct quaymark::bind::Describe<quaymark::services::NotifyConnectionMonitoring> {
    using T = services::NotifyConnectionMonitoring;
    static constexpr std::string_view name = "NotifyConnectionMonitoring";
    static constexpr auto fields = std::tuple{
        field<&T::service_delivery_info>("service_delivery_info", "ServiceDeliveryInfo"),
        field<&T::notification>("notification", "Notification"),
    };
};
