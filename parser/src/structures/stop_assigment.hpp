// StopAssignment: the quay assigned to an arrival. Data only: no document fills it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct StopAssignment {
    std::optional<std::string> aimed_quay_ref;
    std::optional<std::string> aimed_quay_name;
    std::optional<std::string> expected_quay_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::StopAssignment> {
    using T = structures::StopAssignment;
    static constexpr std::string_view name = "StopAssignment";
    // No element names: no document fills the fields.
    static constexpr auto fields = std::tuple{
        field<&T::aimed_quay_ref>("aimed_quay_ref"),
        field<&T::aimed_quay_name>("aimed_quay_name"),
        field<&T::expected_quay_ref>("expected_quay_ref"),
    };
};
