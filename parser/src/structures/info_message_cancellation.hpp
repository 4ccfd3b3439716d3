// InfoMessageCancellation: the withdrawal of a general message, named by its identifier.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct InfoMessageCancellation {
    std::string recorded_at_time;
    std::string info_message_identifier;
    std::optional<std::string> info_channel_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::InfoMessageCancellation> {
    using T = structures::InfoMessageCancellation;
    static constexpr std::string_view name = "InfoMessageCancellation";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::info_message_identifier>("info_message_identifier", "InfoMessageIdentifier"),
        field<&T::info_channel_ref>("info_channel_ref", "InfoChannelRef"),
    };
};
