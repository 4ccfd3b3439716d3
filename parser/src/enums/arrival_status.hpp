// ArrivalStatus: the arrival status of a call, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class ArrivalStatus : std::uint8_t {
    OnTime,
    Missed,
    Arrived,
    NotExpected,
    Delayed,
    Early,
    Cancelled,
    NoReport,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::ArrivalStatus> {
    static constexpr std::string_view name = "ArrivalStatus";
    static constexpr std::array<std::string_view, 8> texts{
        "onTime", "missed", "arrived", "notExpected", "delayed", "early", "cancelled", "noReport"
    };
    static constexpr std::array<std::string_view, 8> variants{
        "OnTime", "Missed", "Arrived", "NotExpected", "Delayed", "Early", "Cancelled", "NoReport"
    };
};
