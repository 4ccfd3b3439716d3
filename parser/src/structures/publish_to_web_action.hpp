// PublishToWebAction: publishing a situation on the web.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "structures/parametised_action.hpp"

namespace quaymark::structures {

struct PublishToWebAction {
    std::optional<ParameterisedAction> parameterized_action;
    std::optional<bool> incidents;
    std::optional<bool> home_page;
    std::optional<bool> ticker;
    std::vector<std::string> social_network;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PublishToWebAction> {
    using T = structures::PublishToWebAction;
    static constexpr std::string_view name = "PublishToWebAction";
    static constexpr auto fields = std::tuple{
        field<&T::parameterized_action>("parameterized_action", "ParameterizedAction"),
        field<&T::incidents>("incidents", "Incidents"),
        field<&T::home_page>("home_page", "HomePage"),
        field<&T::ticker>("ticker", "Ticker"),
        field<&T::social_network>("social_network", "SocialNetwork"),
    };
};
