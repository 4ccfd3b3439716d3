// PublishingActions: how a situation is to be published and notified, at most one action of each kind.
#pragma once

#include <optional>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/notify_by_email_action.hpp"
#include "structures/notify_by_sms_action.hpp"
#include "structures/publish_to_display_action.hpp"
#include "structures/publish_to_mobile_action.hpp"
#include "structures/publish_to_web_action.hpp"

namespace quaymark::structures {

struct PublishingActions {
    std::optional<PublishToWebAction> publish_to_web_action;
    std::optional<PublishToMobileAction> publish_to_mobile_action;
    std::optional<PublishToDisplayAction> publish_to_display_action;
    std::optional<NotifyByEmailAction> notify_by_email_action;
    std::optional<NotifyBySmsAction> notify_by_sms_action;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::PublishingActions> {
    using T = structures::PublishingActions;
    static constexpr std::string_view name = "PublishingActions";
    static constexpr auto fields = std::tuple{
        field<&T::publish_to_web_action>("publish_to_web_action", "PublishToWebAction"),
        field<&T::publish_to_mobile_action>("publish_to_mobile_action", "PublishToMobileAction"),
        field<&T::publish_to_display_action>("publish_to_display_action", "PublishToDisplayAction"),
        field<&T::notify_by_email_action>("notify_by_email_action", "NotifyByEmailAction"),
        field<&T::notify_by_sms_action>("notify_by_sms_action", "NotifyBySmsAction"),
    };
};
