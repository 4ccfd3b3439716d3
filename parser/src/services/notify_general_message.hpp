// NotifyGeneralMessage: a service record, read from the service element in the Body.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "models/service_delivery_info.hpp"
#include "notifications/general_message_notification.hpp"
#include "xml/reader.hpp"

namespace quaymark::services {

struct NotifyGeneralMessage {
    models::ServiceDeliveryInfo service_delivery_info;
    notifications::GeneralMessageNotification notification;
};

// Reading and the text form live in their own unit: each service's record tree is
// instantiated once, there.
NotifyGeneralMessage read_notify_general_message(xml::Reader& r, const xml::Event& start);
void render(std::string& out, const NotifyGeneralMessage& v);

}  // namespace quaymark::services

template <>
struct quaymark::bind::Describe<quaymark::services::NotifyGeneralMessage> {
    using T = services::NotifyGeneralMessage;
    static constexpr std::string_view name = "NotifyGeneralMessage";
    static constexpr auto fields = std::tuple{
        field<&T::service_delivery_info>("service_delivery_info", "ServiceDeliveryInfo"),
        field<&T::notification>("notification", "Notification"),
    };
};
