// ActionData: one named parameter of a publishing action.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/publish_at_scope.hpp"

namespace quaymark::structures {

struct ActionData {
    std::string name;
    std::optional<std::string> prompt;
    std::optional<PublishAtScope> publish_at_scope;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ActionData> {
    using T = structures::ActionData;
    static constexpr std::string_view name = "ActionData";
    static constexpr auto fields = std::tuple{
        field<&T::name>("name", "Name"),
        field<&T::prompt>("prompt", "Prompt"),
        field<&T::publish_at_scope>("publish_at_scope", "PublishAtScope"),
    };
};
