// PtAdvice: the advice of a consequence.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct PtAdvice {
    std::optional<std::string> advice_ref;
    std::string details;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PtAdvice> {
    using T = structures::PtAdvice;
    static constexpr std::string_view name = "PtAdvice";
    static constexpr auto fields = std::tuple{
        field<&T::advice_ref>("advice_ref", "AdviceRef"),
        field<&T::details>("details", "Details"),
    };
};
