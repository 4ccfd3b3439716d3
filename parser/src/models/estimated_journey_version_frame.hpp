// EstimatedJourneyVersionFrame.
// NOT YET READ TO DEPTH: the record has no fields yet; its element is read and its content
// skipped. Its fields come with the records of its service.
#pragma once

#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::models {

struct EstimatedJourneyVersionFrame {};

}  // namespace quaymark::models

template <>
struct quaymark::bind::Describe<quaymark::models::EstimatedJourneyVersionFrame> {
    static constexpr std::string_view name = "EstimatedJourneyVersionFrame";
    static constexpr std::tuple<> fields{};
};
