// NotifyByEmailAction: notifying a situation by e-mail.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "structures/before_notice.hpp"
#include "structures/parametised_action.hpp"

namespace quaymark::structures {

struct NotifyByEmailAction {
    std::optional<ParameterisedAction> parameterized_action;
    std::vector<BeforeNotice> before_notices;
    std::optional<bool> clear_notice;
    std::optional<std::string> email;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::NotifyByEmailAction> {
    using T = structures::NotifyByEmailAction;
    static constexpr std::string_view name = "NotifyByEmailAction";
    static constexpr auto fields = std::tuple{
        field<&T::parameterized_action>("parameterized_action", "ParameterizedAction"),
        field<&T::before_notices>("before_notices", "BeforeNotices"),
        field<&T::clear_notice>("clear_notice", "ClearNotice"),
        field<&T::email>("email", "Email"),
    };
};
