// DatedTimetableVersionFrame: the version frame of a production timetable, holding one dated
// vehicle journey.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/dated_vehicle_journey.hpp"

namespace quaymark::structures {

struct DatedTimetableVersionFrame {
    std::string recorded_at_time;
    std::string line_ref;
    std::string direction_ref;
    DatedVehicleJourney dated_vehicle_journey;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::DatedTimetableVersionFrame> {
    using T = structures::DatedTimetableVersionFrame;
    static constexpr std::string_view name = "DatedTimetableVersionFrame";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::line_ref>("line_ref", "LineRef"),
        field<&T::direction_ref>("direction_ref", "DirectionRef"),
        field<&T::dated_vehicle_journey>("dated_vehicle_journey", "DatedVehicleJourney"),
    };
};
