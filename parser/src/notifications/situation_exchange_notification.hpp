// SituationExchangeNotification: the record holding the service's delivery.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "deliveries/situation_exchange_delivery.hpp"

namespace quaymark::notifications {

struct SituationExchangeNotification {
    deliveries::SituationExchangeDelivery situation_exchange_delivery;
};

}  // namespace quaymark::notifications

template <>
struct quaymark::bind::Describe<quaymark::notifications::SituationExchangeNotification> {
    using T = notifications::SituationExchangeNotification;
    static constexpr std::string_view name = "SituationExchangeNotification";
    static constexpr auto fields = std::tuple{
        field<&T::situation_exchange_delivery>("situation_exchange_delivery", "SituationExchangeDelivery"),
    };
};
