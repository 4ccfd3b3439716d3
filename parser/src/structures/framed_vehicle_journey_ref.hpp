// structures::FramedVehicleJourneyRef: the framed journey reference of a vehicle activity's
// cancellation. A type of its own, with the fields and description of
// models::FramedVehicleJourneyRef.
#pragma once

#include <optional>
#include <string>

#include "bind/describe.hpp"
#include "models/framed_vehicle_journey_ref.hpp"

namespace quaymark::structures {

struct FramedVehicleJourneyRef {
    std::optional<std::string> data_frame_ref;
    std::optional<std::string> dated_vehicle_journey_ref;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::FramedVehicleJourneyRef>
    : FramedVehicleJourneyRefDescription<structures::FramedVehicleJourneyRef> {};
