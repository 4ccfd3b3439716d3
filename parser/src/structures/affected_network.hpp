// LineAffected: what of a network's lines is affected. Only the Python-side AffectedNetwork
// holds it; no document fills it and it has no text form.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "structures/affected_stop_point.hpp"

namespace quaymark::structures {

struct LineAffected {
    struct AllLines {};
    struct SelectedRoutes {};
    struct AffectedLine {
        std::string line_ref;
        std::vector<AffectedStopPoint> stop_points;
    };
    std::variant<AllLines, SelectedRoutes, AffectedLine> value;
};

}  // namespace quaymark::structures
