// ExpectedDepartureCapacity: the capacity expected on departure from a call. Data only: no document fills it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct ExpectedDepartureCapacity {
    std::optional<std::string> train_formation_reference_group;
    std::optional<std::string> passenger_category;
    std::optional<std::uint32_t> total_capacity;
    std::optional<std::uint32_t> seating_capacity;
    std::optional<std::uint32_t> standing_capacity;
    std::optional<std::uint32_t> pushchair_capacity;
    std::optional<std::uint32_t> wheelchair_place_capacity;
    std::optional<std::uint32_t> pram_place_capacity;
    std::optional<std::uint32_t> bicycle_rack_capacity;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ExpectedDepartureCapacity> {
    using T = structures::ExpectedDepartureCapacity;
    static constexpr std::string_view name = "ExpectedDepartureCapacity";
    // No element names: no document fills the fields.
    static constexpr auto fields = std::tuple{
        field<&T::train_formation_reference_group>("train_formation_reference_group"),
        field<&T::passenger_category>("passenger_category"),
        field<&T::total_capacity>("total_capacity"),
        field<&T::seating_capacity>("seating_capacity"),
        field<&T::standing_capacity>("standing_capacity"),
        field<&T::pushchair_capacity>("pushchair_capacity"),
        field<&T::wheelchair_place_capacity>("wheelchair_place_capacity"),
        field<&T::pram_place_capacity>("pram_place_capacity"),
        field<&T::bicycle_rack_capacity>("bicycle_rack_capacity"),
    };
};
