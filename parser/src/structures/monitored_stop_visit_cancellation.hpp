// MonitoredStopVisitCancellation.
// NOT YET READ TO DEPTH: the record has no fields yet; its element is read and its content
// skipped. Its fields come with the records of its service.
#pragma once

#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct MonitoredStopVisitCancellation {};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::MonitoredStopVisitCancellation> {
    static constexpr std::string_view name = "MonitoredStopVisitCancellation";
    static constexpr std::tuple<> fields{};
};
