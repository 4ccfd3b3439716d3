// VehicleActivity.
// NOT YET READ TO DEPTH: the record has no fields yet; its element is read and its content
// skipped. Its fields come with the records of its service.
#pragma once

#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct VehicleActivity {};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::VehicleActivity> {
    static constexpr std::string_view name = "VehicleActivity";
    static constexpr std::tuple<> fields{};
};
