// TrainNumbers: data only. No document fills it; it is held and rendered, never read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct TrainNumbers {
    std::optional<std::string> train_number_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::TrainNumbers> {
    using T = structures::TrainNumbers;
    static constexpr std::string_view name = "TrainNumbers";
    // No element names: no document fills the field.
    static constexpr auto fields = std::tuple{
        field<&T::train_number_ref>("train_number_ref"),
    };
};
