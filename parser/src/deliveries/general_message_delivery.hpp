// GeneralMessageDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "structures/info_message.hpp"
#include "structures/info_message_cancellation.hpp"

namespace quaymark::deliveries {

struct GeneralMessageDelivery {
    models::XxxDelivery leader;
    std::optional<structures::InfoMessage> info_message;
    std::optional<structures::InfoMessageCancellation> info_message_cancellation;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::GeneralMessageDelivery> : deliveries::DeliveryHeader<deliveries::GeneralMessageDelivery> {
    using T = deliveries::GeneralMessageDelivery;
    static constexpr std::string_view name = "GeneralMessageDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::info_message>("info_message", "InfoMessage", "GeneralMessage"),
        field<&T::info_message_cancellation>("info_message_cancellation", "InfoMessageCancellation", "GeneralMessageCancellation"),
    };
};
