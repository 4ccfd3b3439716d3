// AffectedStopPoint: one stop point a situation affects, with the zone formed from the zone's
// members that stand among its children. A zone that cannot be formed (a member missing, repeated
// or not text) is simply absent. Only the members are kept for the zone: every other child, the
// element's attributes and its text are passed over as in any record.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "bind/flattened.hpp"
#include "bind/leftovers.hpp"
#include "structures/zone.hpp"

namespace quaymark::structures {

struct AffectedStopPoint {
    std::optional<std::string> stop_point_ref;
    std::optional<std::string> affected_modes;
    std::optional<Zone> zone;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::AffectedStopPoint> {
    using T = structures::AffectedStopPoint;
    static constexpr std::string_view name = "AffectedStopPoint";
    static constexpr auto fields = std::tuple{
        field<&T::stop_point_ref>("stop_point_ref", "StopPointRef"),
        field<&T::affected_modes>("affected_modes", "AffectedModes"),
        field<&T::zone>("zone"),
    };
    static bool keeps(std::string_view key) { return group_accepts<structures::Zone>(key); }
    static void finish(T& rec, const Leftovers& entries) { rec.zone = read_flattened<structures::Zone>(entries); }
};
