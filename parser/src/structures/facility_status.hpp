// FacilityStatus: the state of one facility: its availability, a description and the run of
// its accessibility assessments (at least one).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/facility_availability.hpp"
#include "structures/accessibility_assesment.hpp"

namespace quaymark::structures {

struct FacilityStatus {
    std::optional<enums::FacilityAvailability> status;
    std::optional<std::string> description;
    std::vector<AccessibilityAssessment> accessibility_assesment;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::FacilityStatus> {
    using T = structures::FacilityStatus;
    static constexpr std::string_view name = "FacilityStatus";
    static constexpr auto fields = std::tuple{
        field<&T::status>("status", "Status"),
        field<&T::description>("description", "Description"),
        // The element here is spelt with a double s, unlike the one in Facility.
        field<&T::accessibility_assesment>("accessibility_assesment", "AccessibilityAssessment"),
    };
};
