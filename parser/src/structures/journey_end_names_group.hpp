// JourneyEndNamesGroup: where a journey starts, passes and ends. The destination is required.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/via.hpp"

namespace quaymark::structures {

struct JourneyEndNamesGroup {
    std::optional<std::string> origin_ref;
    std::optional<std::string> origin_name;
    std::optional<Via> via;
    std::string destination_ref;
    std::string destination_name;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::JourneyEndNamesGroup> {
    using T = structures::JourneyEndNamesGroup;
    static constexpr std::string_view name = "JourneyEndNamesGroup";
    static constexpr auto fields = std::tuple{
        field<&T::origin_ref>("origin_ref", "OriginRef"),
        field<&T::origin_name>("origin_name", "OriginName"),
        field<&T::via>("via", "Via"),
        field<&T::destination_ref>("destination_ref", "DestinationRef"),
        field<&T::destination_name>("destination_name", "DestinationName"),
    };
};
