// ActionStatus: the status of a parameterised action, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class ActionStatus : std::uint8_t {
    Unknown,
    Active,
    Inactive,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::ActionStatus> {
    static constexpr std::string_view name = "ActionStatus";
    static constexpr std::array<std::string_view, 3> texts{"unknown", "active", "inactive"};
    static constexpr std::array<std::string_view, 3> variants{"Unknown", "Active", "Inactive"};
};
