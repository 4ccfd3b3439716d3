// NotifySituationExchange: a service record, read from the service element in the Body.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "models/service_delivery_info.hpp"
#include "notifications/situation_exchange_notification.hpp"
#include "xml/reader.hpp"

namespace quaymark::services {

struct NotifySituationExchange {
    models::ServiceDeliveryInfo service_delivery_info;
    notifications::SituationExchangeNotification notification;
};

// Reading and the text form live in their own unit: each service's record tree is
// instantiated once, there.
NotifySituationExchange read_notify_situation_exchange(xml::Reader& r, const xml::Event& start);
void render(std::string& out, const NotifySituationExchange& v);

}  // namespace quaymark::services

template <>
struct quaymark::bind::Describe<quaymark::services::NotifySituationExchange> {
    using T = services::NotifySituationExchange;
    static constexpr std::string_view name = "NotifySituationExchange";
    static constexpr auto fields = std::tuple{
        field<&T::service_delivery_info>("service_delivery_info", "ServiceDeliveryInfo"),
        field<&T::notification>("notification", "Notification"),
    };
};
