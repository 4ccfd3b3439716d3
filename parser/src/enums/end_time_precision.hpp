// EndTimePrecision: the precision of a validity period's end, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class EndTimePrecision : std::uint8_t {
    Second,
    Minute,
    Hour,
    Day,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::EndTimePrecision> {
    static constexpr std::string_view name = "EndTimePrecision";
    static constexpr std::array<std::string_view, 4> texts{"second", "minute", "hour", "day"};
    static constexpr std::array<std::string_view, 4> variants{"Second", "Minute", "Hour", "Day"};
};
