// FacilityCondition: the payload of a facility monitoring delivery: the facility reported on,
// a reference to it, its status and the period the report holds for.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/facility.hpp"
#include "structures/facility_status.hpp"
#include "structures/validity_period.hpp"

namespace quaymark::structures {

struct FacilityCondition {
    Facility facility;
    std::optional<std::string> facility_ref;
    std::optional<FacilityStatus> facility_status;
    std::optional<ValidityPeriod> validity_period;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::FacilityCondition> {
    using T = structures::FacilityCondition;
    static constexpr std::string_view name = "FacilityCondition";
    static constexpr auto fields = std::tuple{
        field<&T::facility>("facility", "Facility"),
        field<&T::facility_ref>("facility_ref", "FacilityRef"),
        field<&T::facility_status>("facility_status", "FacilityStatus"),
        field<&T::validity_period>("validity_period", "ValidityPeriod"),
    };
};
