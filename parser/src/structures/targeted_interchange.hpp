// TargetedInterchange: the interchange a dated call names to another journey, with the
// connection link between the two.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/distributor_connection_link.hpp"

namespace quaymark::structures {

struct TargetedInterchange {
    std::string interchange_code;
    std::string distributor_vehicle_journey_ref;
    DistributorConnectionLink distributor_connection_link;
    std::optional<bool> stay_seated;
    std::optional<bool> guaranteed;
    std::optional<std::string> maximum_wait_time;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::TargetedInterchange> {
    using T = structures::TargetedInterchange;
    static constexpr std::string_view name = "TargetedInterchange";
    static constexpr auto fields = std::tuple{
        field<&T::interchange_code>("interchange_code", "InterchangeCode"),
        field<&T::distributor_vehicle_journey_ref>("distributor_vehicle_journey_ref", "DistributorVehicleJourneyRef"),
        field<&T::distributor_connection_link>("distributor_connection_link", "DistributorConnectionLink"),
        field<&T::stay_seated>("stay_seated", "StaySeated"),
        field<&T::guaranteed>("guaranteed", "Guaranteed"),
        field<&T::maximum_wait_time>("maximum_wait_time", "MaximumWaitTime"),
    };
};
