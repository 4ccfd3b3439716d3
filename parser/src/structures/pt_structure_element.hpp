// PtSituationElement: one situation (an incident, a disruption or a planned change of service).
// Each "Situations" element of a delivery is one situation, its children the situation's
// fields. "Severity" here is free text, unlike a consequence's; "Sensivity" is matched as
// written. Progress, quality and publication are children of "Verification", not of the
// situation itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/audience.hpp"
#include "enums/scope_type.hpp"
#include "enums/sensitivity.hpp"
#include "structures/affect.hpp"
#include "structures/pt_consequence.hpp"
#include "structures/pt_situation_body_group.hpp"
#include "structures/publishing_actions.hpp"
#include "structures/situation_based_identity_group.hpp"
#include "structures/situation_source.hpp"
#include "structures/validity_period.hpp"

namespace quaymark::structures {

struct PtSituationElement {
    std::string creation_time;
    SituationBasedIdentityGroup situation_based_identity_group;
    std::optional<SituationSource> source;
    std::optional<std::string> versioned_at_time;
    std::optional<PtSituationBodyGroup> verification;
    std::optional<ValidityPeriod> validity_period;
    std::optional<std::string> reason_name;
    std::optional<std::string> severity;
    std::optional<std::uint32_t> priority;
    std::optional<enums::Sensivity> sensivity;
    std::optional<enums::Audience> audience;
    std::optional<enums::ScopeType> scope_type;
    std::optional<bool> planned;
    std::optional<std::string> keywords;
    std::optional<std::string> summary;
    std::optional<std::string> description;
    std::optional<std::string> detail;
    std::optional<std::string> advice;
    std::optional<std::string> internal;
    std::vector<Affect> affects;
    std::vector<PtConsequence> consequences;
    std::optional<PublishingActions> publishing_actions;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PtSituationElement> {
    using T = structures::PtSituationElement;
    static constexpr std::string_view name = "PtSituationElement";
    static constexpr auto fields = std::tuple{
        field<&T::creation_time>("creation_time", "CreationTime"),
        field<&T::situation_based_identity_group>("situation_based_identity_group", "SituationBasedIdentityGroup"),
        field<&T::source>("source", "Source"),
        field<&T::versioned_at_time>("versioned_at_time", "VersionedAtTime"),
        field<&T::verification>("verification", "Verification"),
        field<&T::validity_period>("validity_period", "ValidityPeriod"),
        field<&T::reason_name>("reason_name", "ReasonName"),
        field<&T::severity>("severity", "Severity"),
        field<&T::priority>("priority", "Priority"),
        field<&T::sensivity>("sensivity", "Sensivity"),
        field<&T::audience>("audience", "Audience"),
        field<&T::scope_type>("scope_type", "ScopeType"),
        field<&T::planned>("planned", "Planned"),
        field<&T::keywords>("keywords", "Keywords"),
        field<&T::summary>("summary", "Summary"),
        field<&T::description>("description", "Description"),
        field<&T::detail>("detail", "Detail"),
        field<&T::advice>("advice", "Advice"),
        field<&T::internal>("internal", "Internal"),
        field<&T::affects>("affects", "Affects"),
        field<&T::consequences>("consequences", "Consequences"),
        field<&T::publishing_actions>("publishing_actions", "PublishingActions"),
    };
};
