// DisruptionGroup: a record without fields. It records only that its element was present;
// everything inside the element is skipped.
#pragma once

#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct DisruptionGroup {};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DisruptionGroup> {
    static constexpr std::string_view name = "DisruptionGroup";
    static constexpr std::tuple<> fields{};
};
