// XxxDelivery: the header every delivery carries. It has no element of its own: its elements
// stand among the delivery's children, and it is read from the entries the delivery left
// over, after the delivery's own fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "bind/leftovers.hpp"

namespace quaymark::models {

struct XxxDelivery {
    std::string response_timestamp;
    std::optional<std::string> request_message_ref;
    std::optional<std::string> subscriber_ref;
    std::optional<std::string> subscription_ref;
    std::optional<bool> status;
    std::optional<std::string> valid_until;
    std::optional<std::uint32_t> shortest_possible_cycle;
};

// Reads the header from a delivery's leftover entries. Skips declarations of prefixes that
// begin with siri and attributes whose local names begin with version; takes the header
// elements (a later one replaces an earlier one); rejects anything else.
XxxDelivery read_delivery_header(const bind::Leftovers& entries);

}  // namespace quaymark::models

template <>
struct quaymark::bind::Describe<quaymark::models::XxxDelivery> {
    using T = models::XxxDelivery;
    static constexpr std::string_view name = "XxxDelivery";
    static constexpr auto fields = std::tuple{
        field<&T::response_timestamp>("response_timestamp", "ResponseTimestamp"),
        field<&T::request_message_ref>("request_message_ref", "RequestMessageRef"),
        field<&T::subscriber_ref>("subscriber_ref", "SubscriberRef"),
        field<&T::subscription_ref>("subscription_ref", "SubscriptionRef"),
        field<&T::status>("status", "Status"),
        field<&T::valid_until>("valid_until", "ValidUntil"),
        field<&T::shortest_possible_cycle>("shortest_possible_cycle", "ShortestPossibleCycle"),
    };
};

namespace quaymark::deliveries {

// Every delivery reads its header from its leftover entries once its own fields are complete.
template <class D>
struct DeliveryHeader {
    static void finish(D& d, const bind::Leftovers& entries) { d.leader = models::read_delivery_header(entries); }
};

}  // namespace quaymark::deliveries
