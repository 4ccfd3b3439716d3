// StoppingPositionChangeDeparture: the distributor departs from another stopping position.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "bind/describe.hpp"
#include "structures/distribuor_info.hpp"
#include "structures/location_structure.hpp"

namespace quaymark::structures {

struct StoppingPositionChangeDeparture {
    std::string recorded_at_time;
    std::optional<DistributorInfo> distributor_info;
    std::optional<std::string> change_note;
    std::optional<LocationStructure> new_location;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::StoppingPositionChangeDeparture> {
    using T = structures::StoppingPositionChangeDeparture;
    static constexpr std::string_view name = "StoppingPositionChangeDeparture";
    static constexpr auto fields = std::tuple{
        field<&T::recorded_at_time>("recorded_at_time", "RecordedAtTime"),
        field<&T::distributor_info>("distributor_info", "DistributorInfo"),
        field<&T::change_note>("change_note", "ChangeNote"),
        field<&T::new_location>("new_location", "NewLocation"),
    };
};
