// BeforeNotice: how long before the situation a notification goes out; the interval is kept
// as written.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct BeforeNotice {
    std::string interval;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::BeforeNotice> {
    using T = structures::BeforeNotice;
    static constexpr std::string_view name = "BeforeNotice";
    static constexpr auto fields = std::tuple{
        field<&T::interval>("interval", "Interval"),
    };
};
