// VehicleFeature: a feature of a vehicle, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class VehicleFeature : std::uint8_t {
    ShortTrain,
    LongTrain,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::VehicleFeature> {
    static constexpr std::string_view name = "VehicleFeature";
    static constexpr std::array<std::string_view, 2> texts{"shortTrain", "longTrain"};
    static constexpr std::array<std::string_view, 2> variants{"ShortTrain", "LongTrain"};
};
