// Sensivity: the sensitivity of a situation, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class Sensivity : std::uint8_t {
    High,
    Medium,
    Low,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::Sensivity> {
    static constexpr std::string_view name = "Sensivity";
    static constexpr std::array<std::string_view, 3> texts{"high", "medium", "low"};
    static constexpr std::array<std::string_view, 3> variants{"High", "Medium", "Low"};
};
