// GeneralMessageNotification: the record holding the service's delivery.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "deliveries/general_message_delivery.hpp"

namespace quaymark::notifications {

struct GeneralMessageNotification {
    deliveries::GeneralMessageDelivery general_message_delivery;
};

}  // namespace quaymark::notifications

template <>
struct quaymark::bind::Describe<quaymark::notifications::GeneralMessageNotification> {
    using T = notifications::GeneralMessageNotification;
    static constexpr std::string_view name = "GeneralMessageNotification";
    static constexpr auto fields = std::tuple{
        field<&T::general_message_delivery>("general_message_delivery", "GeneralMessageDelivery"),
    };
};
