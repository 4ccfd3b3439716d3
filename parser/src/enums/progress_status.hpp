// ProgressStatus: the progress of a situation, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class ProgressStatus : std::uint8_t {
    Open,
    Published,
    Closed,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::ProgressStatus> {
    static constexpr std::string_view name = "ProgressStatus";
    static constexpr std::array<std::string_view, 3> texts{"open", "published", "closed"};
    static constexpr std::array<std::string_view, 3> variants{"Open", "Published", "Closed"};
};
