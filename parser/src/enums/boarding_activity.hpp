// BoardingActivity: the boarding activity at a call, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class BoardingActivity : std::uint8_t {
    Alighting,
    NoAlighting,
    PassThru,
    Boarding,
    NoBoarding,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::BoardingActivity> {
    static constexpr std::string_view name = "BoardingActivity";
    static constexpr std::array<std::string_view, 5> texts{
        "alighting", "noAlighting", "passThru", "boarding", "noBoarding"
    };
    static constexpr std::array<std::string_view, 5> variants{
        "Alighting", "NoAlighting", "PassThru", "Boarding", "NoBoarding"
    };
};
