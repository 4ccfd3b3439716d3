// DatedVehicleJourneyIndirectRef: a journey named by its end points and their times. Data
// only: no document fills it.
#pragma once

#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct DatedVehicleJourneyIndirectRef {
    std::string origin_ref;
    std::string aimed_departure_time;
    std::string destination_ref;
    std::string aimed_arrival_time;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DatedVehicleJourneyIndirectRef> {
    using T = structures::DatedVehicleJourneyIndirectRef;
    static constexpr std::string_view name = "DatedVehicleJourneyIndirectRef";
    // No element names: no document fills the fields.
    static constexpr auto fields = std::tuple{
        field<&T::origin_ref>("origin_ref"),
        field<&T::aimed_departure_time>("aimed_departure_time"),
        field<&T::destination_ref>("destination_ref"),
        field<&T::aimed_arrival_time>("aimed_arrival_time"),
    };
};
