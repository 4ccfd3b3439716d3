// EndTimeStatus: the status of a validity period's end, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class EndTimeStatus : std::uint8_t {
    Undefined,
    LongTerm,
    ShortTerm,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::EndTimeStatus> {
    static constexpr std::string_view name = "EndTimeStatus";
    static constexpr std::array<std::string_view, 3> texts{"undefined", "longTerm", "shortTerm"};
    static constexpr std::array<std::string_view, 3> variants{"Undefined", "LongTerm", "ShortTerm"};
};
