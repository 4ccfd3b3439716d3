// LocationStructure: a record without fields. It records only that its element (a new
// stopping location) was present; everything inside the element is skipped.
#pragma once

#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct LocationStructure {};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::LocationStructure> {
    static constexpr std::string_view name = "LocationStructure";
    static constexpr std::tuple<> fields{};
};
