// SourceType: the kind of a situation's source, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class SourceType : std::uint8_t {
    DirectReport,
    Email,
    Phone,
    Post,
    Feed,
    Radio,
    TV,
    Web,
    Text,
    Other,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::SourceType> {
    static constexpr std::string_view name = "SourceType";
    static constexpr std::array<std::string_view, 10> texts{
        "directReport", "email", "phone", "post", "feed", "radio", "tV", "web", "text", "other"
    };
    static constexpr std::array<std::string_view, 10> variants{
        "DirectReport", "Email", "Phone", "Post", "Feed", "Radio", "TV", "Web", "Text", "Other"
    };
};
