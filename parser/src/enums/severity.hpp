// Severity: the severity of a consequence, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class Severity : std::uint8_t {
    Unknown,
    Slight,
    Normal,
    Severe,
    NoImpact,
    Undefined,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::Severity> {
    static constexpr std::string_view name = "Severity";
    static constexpr std::array<std::string_view, 6> texts{
        "unknown", "slight", "normal", "severe", "noImpact", "undefined"
    };
    static constexpr std::array<std::string_view, 6> variants{
        "Unknown", "Slight", "Normal", "Severe", "NoImpact", "Undefined"
    };
};
