// QualityIndex: the reliability of a situation, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class QualityIndex : std::uint8_t {
    Certain,
    VeryReliable,
    Reliable,
    Unreliable,
    Unconfirmed,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::QualityIndex> {
    static constexpr std::string_view name = "QualityIndex";
    static constexpr std::array<std::string_view, 5> texts{
        "certain", "veryReliable", "reliable", "unreliable", "unconfirmed"
    };
    static constexpr std::array<std::string_view, 5> variants{
        "Certain", "VeryReliable", "Reliable", "Unreliable", "Unconfirmed"
    };
};
