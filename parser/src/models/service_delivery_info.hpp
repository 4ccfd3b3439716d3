// ServiceDeliveryInfo: the header of every service record.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::models {

struct ServiceDeliveryInfo {
    std::optional<std::string> response_timestamp;
    std::string producer_ref;
    std::optional<std::string> request_message_identifier;
    std::optional<std::string> response_message_ref;
};

}  // namespace quaymark::models

template <>
struct quaymark::bind::Describe<quaymark::models::ServiceDeliveryInfo> {
    using T = models::ServiceDeliveryInfo;
    static constexpr std::string_view name = "ServiceDeliveryInfo";
    static constexpr auto fields = std::tuple{
        field<&T::response_timestamp>("response_timestamp", "ResponseTimestamp"),
        field<&T::producer_ref>("producer_ref", "ProducerRef"),
        field<&T::request_message_identifier>("request_message_identifier", "RequestMessageIdentifier"),
        field<&T::response_message_ref>("response_message_ref", "ResponseMessageRef"),
    };
};
