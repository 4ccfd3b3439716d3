// EstimatedJourneyVersionFrame: a time-stamped version frame holding the estimated journeys of
// a delivery. Read by the common record rules; each journey by the journey's own reader.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "bind/describe.hpp"
#include "models/estimated_vehicle_journey.hpp"

namespace quaymark::models {

struct EstimatedJourneyVersionFrame {
    std::string recorded_at_time;
    std::optional<std::string> version_ref;
    std::vector<EstimatedVehicleJourney> estimated_vehicle_journey;
};

}  // namespace quaymark::models

template <>
struct quaymark::bind::Describe<quaymark::models::EstimatedJourneyVersionFrame> {
    using T = models::EstimatedJourneyVersionFrame;
    static constexpr std::string_view name = "EstimatedJourneyVersionFrame";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::version_ref>("version_ref", "VersionRef"),
        field<&T::estimated_vehicle_journey>("estimated_vehicle_journey", "EstimatedVehicleJourney"),
    };
};
