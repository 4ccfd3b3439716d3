// Audience: the audience of a situation, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class Audience : std::uint8_t {
    Public,
    EmergencyService,
    Authorities,
    TransportOperators,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::Audience> {
    static constexpr std::string_view name = "Audience";
    static constexpr std::array<std::string_view, 4> texts{
        "public", "emergencyService", "authorities", "transportOperators"
    };
    static constexpr std::array<std::string_view, 4> variants{
        "Public", "EmergencyService", "Authorities", "TransportOperators"
    };
};
