// SituationBasedIdentityGroup: who identifies a situation.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct SituationBasedIdentityGroup {
    std::string country_ref;
    std::string participant_ref;
    std::string situation_number;
    std::optional<std::string> version;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::SituationBasedIdentityGroup> {
    using T = structures::SituationBasedIdentityGroup;
    static constexpr std::string_view name = "SituationBasedIdentityGroup";
    static constexpr auto fields = std::tuple{
        field<&T::country_ref>("country_ref", "CountryRef"),
        field<&T::participant_ref>("participant_ref", "ParticipantRef"),
        field<&T::situation_number>("situation_number", "SituationNumber"),
        field<&T::version>("version", "Version"),
    };
};
