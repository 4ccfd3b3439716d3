#include "models/xxx_delivery.hpp"

#include <array>

#include "bind/messages.hpp"
#include "bind/read.hpp"

namespace quaymark::models {
namespace {

constexpr std::array<std::string_view, 7> kHeaderNames{
    "ResponseTimestamp", "RequestMessageRef", "SubscriberRef", "SubscriptionRef",
    "Status",            "ValidUntil",        "ShortestPossibleCycle",
};

}  // namespace

XxxDelivery read_delivery_header(const bind::Leftovers& entries) {
    XxxDelivery h;
    std::optional<std::string> response_timestamp;
    for (const bind::Leftover& e : entries) {
        const std::string key = e.key();
        if (key.starts_with("@xmlns:siri") || key.starts_with("@version")) continue;
        std::size_t i = 0;
        while (i < kHeaderNames.size() && kHeaderNames[i] != key) ++i;
        if (i == kHeaderNames.size()) fail(bind::unknown_field(key, kHeaderNames));
        // Only child elements carry these keys.
        std::optional<std::string> text = bind::direct_text(e.span);
        switch (i) {
            case 0: response_timestamp = std::move(text); break;
            case 1: h.request_message_ref = std::move(text); break;
            case 2: h.subscriber_ref = std::move(text); break;
            case 3: h.subscription_ref = std::move(text); break;
            case 4: {
                bool v;
                h.status = text && bind::parse_bool(*text, v) ? std::optional<bool>(v) : std::nullopt;
                break;
            }
            case 5: h.valid_until = std::move(text); break;
            case 6: {
                std::uint32_t v;
                h.shortest_possible_cycle =
                    text && bind::parse_u32(*text, v) ? std::optional<std::uint32_t>(v) : std::nullopt;
                break;
            }
        }
    }
    if (!response_timestamp) fail(bind::missing_field("ResponseTimestamp"));
    h.response_timestamp = std::move(*response_timestamp);
    return h;
}

}  // namespace quaymark::models
