// DepartureStatus: the departure status of a call, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class DepartureStatus : std::uint8_t {
    OnTime,
    Early,
    Delayed,
    Cancelled,
    Arrived,
    Departed,
    NotExpected,
    NoReport,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::DepartureStatus> {
    static constexpr std::string_view name = "DepartureStatus";
    static constexpr std::array<std::string_view, 8> texts{
        "onTime", "early", "delayed", "cancelled", "arrived", "departed", "notExpected", "noReport"
    };
    static constexpr std::array<std::string_view, 8> variants{
        "OnTime", "Early", "Delayed", "Cancelled", "Arrived", "Departed", "NotExpected", "NoReport"
    };
};
