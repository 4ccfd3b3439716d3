// FramedVehicleJourneyRef: one dated vehicle journey named by its data frame and its journey
// reference. Two distinct record types carry these fields (this one, which documents are read
// into wherever a journey is referenced, and structures::FramedVehicleJourneyRef); both are
// described by the one description below, so they read, copy and render alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::bind {

// The description of any record with the two framed-reference members.
template <class T>
struct FramedVehicleJourneyRefDescription {
    static constexpr std::string_view name = "FramedVehicleJourneyRef";
    static constexpr auto fields = std::tuple{
        field<&T::data_frame_ref>("data_frame_ref", "DataFrameRef"),
        field<&T::dated_vehicle_journey_ref>("dated_vehicle_journey_ref", "DatedVehicleJourneyRef"),
    };
};

}  // namespace quaymark::bind

namespace quaymark::models {

struct FramedVehicleJourneyRef {
    std::optional<std::string> data_frame_ref;
    std::optional<std::string> dated_vehicle_journey_ref;
};

}  // namespace quaymark::models

template <>
struct quaymark::bind::Describe<quaymark::models::FramedVehicleJourneyRef>
    : FramedVehicleJourneyRefDescription<models::FramedVehicleJourneyRef> {};
