// PtConsequence: one consequence of a situation for the service.
#pragma once

#include <cstdint>
#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/conditions.hpp"
#include "enums/severity.hpp"
#include "structures/blocking.hpp"
#include "structures/boarding.hpp"
#include "structures/pt_advice.hpp"

namespace quaymark::structures {

struct PtConsequence {
    enums::Condition condition;
    enums::Severity severity;
    std::optional<PtAdvice> advice;
    std::optional<Blocking> blocking;
    Boarding boarding;
    std::optional<std::uint32_t> delays;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PtConsequence> {
    using T = structures::PtConsequence;
    static constexpr std::string_view name = "PtConsequence";
    static constexpr auto fields = std::tuple{
        field<&T::condition>("condition", "Condition"),
        field<&T::severity>("severity", "Severity"),
        field<&T::advice>("advice", "Advice"),
        field<&T::blocking>("blocking", "Blocking"),
        field<&T::boarding>("boarding", "Boarding"),
        field<&T::delays>("delays", "Delays"),
    };
};
