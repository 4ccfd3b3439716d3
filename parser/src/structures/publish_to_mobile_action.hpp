// PublishToMobileAction: publishing a situation to mobile applications.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/parametised_action.hpp"

namespace quaymark::structures {

struct PublishToMobileAction {
    std::optional<ParameterisedAction> parameterized_action;
    std::optional<bool> incidents;
    std::optional<bool> home_page;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PublishToMobileAction> {
    using T = structures::PublishToMobileAction;
    static constexpr std::string_view name = "PublishToMobileAction";
    static constexpr auto fields = std::tuple{
        field<&T::parameterized_action>("parameterized_action", "ParameterizedAction"),
        field<&T::incidents>("incidents", "Incidents"),
        field<&T::home_page>("home_page", "HomePage"),
    };
};
