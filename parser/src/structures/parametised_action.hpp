// ParameterisedAction: what every publishing action shares (status, description, action data).
// The type is spelt with s; its holders read it from their child "ParameterizedAction" (with z).
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "enums/action.hpp"
#include "structures/action_data.hpp"

namespace quaymark::structures {

struct ParameterisedAction {
    std::optional<enums::ActionStatus> action_status;
    std::optional<std::string> description;
    std::vector<ActionData> action_data;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::ParameterisedAction> {
    using T = structures::ParameterisedAction;
    static constexpr std::string_view name = "ParameterisedAction";
    static constexpr auto fields = std::tuple{
        field<&T::action_status>("action_status", "ActionStatus"),
        field<&T::description>("description", "Description"),
        field<&T::action_data>("action_data", "ActionData"),
    };
};
