// Facility: the description of one facility, with the small records of its access
// limitations and suitabilities (Limitations, Suitabilities, Suitability, UserNeed).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/facility_class.hpp"
#include "structures/accessibility_assesment.hpp"
#include "structures/facility_location.hpp"
#include "structures/validity_condition.hpp"

namespace quaymark::structures {

// Three yes/no statements about access; each is absent, false or true.
struct Limitations {
    std::optional<bool> wheelchair_access;
    std::optional<bool> step_free_access;
    std::optional<bool> lift_free_access;
};

struct UserNeed {
    std::optional<std::string> mobility_need;
};

struct Suitability {
    std::string suitable;
    std::optional<UserNeed> user_need;
};

// Absent when no "Suitability" child was met; otherwise the items of one run.
struct Suitabilities {
    std::optional<std::vector<Suitability>> suitability;
};

struct Facility {
    std::optional<std::string> facility_code;
    std::optional<std::string> description;
    std::optional<enums::FacilityClass> facility_class;
    std::optional<ValidityCondition> validity_condition;
    std::optional<FacilityLocation> facility_location;
    std::optional<AccessibilityAssessment> accessibility_assesment;
    std::optional<Limitations> limitations;
    std::optional<Suitabilities> suitabilities;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::Limitations> {
    using T = structures::Limitations;
    static constexpr std::string_view name = "Limitations";
    static constexpr auto fields = std::tuple{
        field<&T::wheelchair_access>("wheelchair_access", "WheelchairAccess"),
        field<&T::step_free_access>("step_free_access", "StepFreeAccess"),
        field<&T::lift_free_access>("lift_free_access", "LiftFreeAccess"),
    };
};

template <>
struct quaymark::bind::Describe<quaymark::structures::UserNeed> {
    using T = structures::UserNeed;
    static constexpr std::string_view name = "UserNeed";
    static constexpr auto fields = std::tuple{
        field<&T::mobility_need>("mobility_need", "MobilityNeed"),
    };
};

template <>
struct quaymark::bind::Describe<quaymark::structures::Suitability> {
    using T = structures::Suitability;
    static constexpr std::string_view name = "Suitability";
    static constexpr auto fields = std::tuple{
        field<&T::suitable>("suitable", "Suitable"),
        field<&T::user_need>("user_need", "UserNeed"),
    };
};

template <>
struct quaymark::bind::Describe<quaymark::structures::Suitabilities> {
    using T = structures::Suitabilities;
    static constexpr std::string_view name = "Suitabilities";
    static constexpr auto fields = std::tuple{
        field<&T::suitability>("suitability", "Suitability"),
    };
};

template <>
struct quaymark::bind::Describe<quaymark::structures::Facility> {
    using T = structures::Facility;
    static constexpr std::string_view name = "Facility";
    static constexpr auto fields = std::tuple{
        field<&T::facility_code>("facility_code", "FacilityCode"),
        field<&T::description>("description", "Description"),
        field<&T::facility_class>("facility_class", "FacilityClass"),
        field<&T::validity_condition>("validity_condition", "ValidityCondition"),
        field<&T::facility_location>("facility_location", "FacilityLocation"),
        // Spelt with a single s here; an "AccessibilityAssessment" child is not this field.
        field<&T::accessibility_assesment>("accessibility_assesment", "AccessibilityAssesment"),
        field<&T::limitations>("limitations", "Limitations"),
        field<&T::suitabilities>("suitabilities", "Suitabilities"),
    };
};
