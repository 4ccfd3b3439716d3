// VerificationStatus: the verification of a situation, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class VerificationStatus : std::uint8_t {
    Unknown,
    Unverified,
    Verified,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::VerificationStatus> {
    static constexpr std::string_view name = "VerificationStatus";
    static constexpr std::array<std::string_view, 3> texts{"unknown", "unverified", "verified"};
    static constexpr std::array<std::string_view, 3> variants{"Unknown", "Unverified", "Verified"};
};
