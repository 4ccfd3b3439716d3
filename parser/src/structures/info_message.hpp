// InfoMessage: one general message, addressed to an information channel and valid until a
// given time. Every value but the version is kept as the element's text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct InfoMessage {
    std::optional<std::string> format_ref;
    std::string recorded_at_time;
    std::optional<std::string> item_identifier;
    std::string info_message_identifier;
    std::optional<std::uint32_t> info_message_version;
    std::string info_channel_ref;
    std::string valid_until_time;
    std::optional<std::string> situation_ref;
    std::optional<std::string> content;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::InfoMessage> {
    using T = structures::InfoMessage;
    static constexpr std::string_view name = "InfoMessage";
    static constexpr auto fields = std::tuple{
        field<&T::format_ref>("format_ref", "FormatRef"),
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::item_identifier>("item_identifier", "ItemIdentifier"),
        field<&T::info_message_identifier>("info_message_identifier", "InfoMessageIdentifier"),
        field<&T::info_message_version>("info_message_version", "InfoMessageVersion"),
        field<&T::info_channel_ref>("info_channel_ref", "InfoChannelRef"),
        field<&T::valid_until_time>("valid_until_time", "ValidUntilTime"),
        field<&T::situation_ref>("situation_ref", "SituationRef"),
        field<&T::content>("content", "Content"),
    };
};
