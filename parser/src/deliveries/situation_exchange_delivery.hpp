// SituationExchangeDelivery: the merged delivery header and the service's payload.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/xxx_delivery.hpp"
#include "structures/pt_structure_element.hpp"

namespace quaymark::deliveries {

struct SituationExchangeDelivery {
    models::XxxDelivery leader;
    std::vector<structures::PtSituationElement> situations;
};

}  // namespace quaymark::deliveries

template <>
struct quaymark::bind::Describe<quaymark::deliveries::SituationExchangeDelivery> : deliveries::DeliveryHeader<deliveries::SituationExchangeDelivery> {
    using T = deliveries::SituationExchangeDelivery;
    static constexpr std::string_view name = "SituationExchangeDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::leader>("leader"),
        field<&T::situations>("situations", "Situations"),
    };
};
