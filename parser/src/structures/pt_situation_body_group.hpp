// PtSituationBodyGroup: the verification, progress, quality and publication state of a
// situation, read from the situation's "Verification" child.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/progress_status.hpp"
#include "enums/quality_index.hpp"
#include "enums/verification_status.hpp"

namespace quaymark::structures {

struct PtSituationBodyGroup {
    std::optional<enums::VerificationStatus> verification;
    std::optional<enums::ProgressStatus> progress;
    std::optional<enums::QualityIndex> quality_index;
    std::optional<std::string> publication;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PtSituationBodyGroup> {
    using T = structures::PtSituationBodyGroup;
    static constexpr std::string_view name = "PtSituationBodyGroup";
    static constexpr auto fields = std::tuple{
        field<&T::verification>("verification", "Verification"),
        field<&T::progress>("progress", "Progress"),
        field<&T::quality_index>("quality_index", "QualityIndex"),
        field<&T::publication>("publication", "Publication"),
    };
};
