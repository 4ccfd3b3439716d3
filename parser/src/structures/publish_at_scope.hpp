// PublishAtScope: what a publishing action applies to.
#pragma once

#include <optional>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/scope_type.hpp"
#include "structures/affect.hpp"

namespace quaymark::structures {

struct PublishAtScope {
    std::optional<enums::ScopeType> scope_type;
    std::vector<Affect> affects;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PublishAtScope> {
    using T = structures::PublishAtScope;
    static constexpr std::string_view name = "PublishAtScope";
    static constexpr auto fields = std::tuple{
        field<&T::scope_type>("scope_type", "ScopeType"),
        field<&T::affects>("affects", "Affects"),
    };
};
