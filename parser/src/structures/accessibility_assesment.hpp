// AccessibilityAssessment: a record without fields; it only records that an assessment
// element was there. Everything inside its element is passed over.
#pragma once

#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct AccessibilityAssessment {};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::AccessibilityAssessment> {
    static constexpr std::string_view name = "AccessibilityAssessment";
    static constexpr std::tuple<> fields{};
};
