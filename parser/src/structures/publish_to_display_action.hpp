// PublishToDisplayAction: publishing a situation on displays.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/parametised_action.hpp"

namespace quaymark::structures {

struct PublishToDisplayAction {
    std::optional<ParameterisedAction> parameterized_action;
    std::optional<bool> on_place;
    std::optional<bool> onboard;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PublishToDisplayAction> {
    using T = structures::PublishToDisplayAction;
    static constexpr std::string_view name = "PublishToDisplayAction";
    static constexpr auto fields = std::tuple{
        field<&T::parameterized_action>("parameterized_action", "ParameterizedAction"),
        field<&T::on_place>("on_place", "OnPlace"),
        field<&T::onboard>("onboard", "Onboard"),
    };
};
