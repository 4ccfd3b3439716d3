// DistributorConnectionLink: the connection link of a targeted interchange, its code, its stop
// point and four transfer durations (plain numbers, no unit applied). Nothing is required.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct DistributorConnectionLink {
    std::optional<std::string> connection_code;
    std::optional<std::string> stop_point_ref;
    std::optional<std::uint32_t> interchange_duration;
    std::optional<std::uint32_t> frequent_traveller_duration;
    std::optional<std::uint32_t> occasional_traveller_duration;
    std::optional<std::uint32_t> impaired_access_duration;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DistributorConnectionLink> {
    using T = structures::DistributorConnectionLink;
    static constexpr std::string_view name = "DistributorConnectionLink";
    static constexpr auto fields = std::tuple{
        field<&T::connection_code>("connection_code", "ConnectionCode"),
        field<&T::stop_point_ref>("stop_point_ref", "StopPointRef"),
        field<&T::interchange_duration>("interchange_duration", "InterchangeDuration"),
        field<&T::frequent_traveller_duration>("frequent_traveller_duration", "FrequentTravellerDuration"),
        field<&T::occasional_traveller_duration>("occasional_traveller_duration", "OccasionalTravellerDuration"),
        field<&T::impaired_access_duration>("impaired_access_duration", "ImpairedAccessDuration"),
    };
};
