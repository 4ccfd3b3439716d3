// Calls: the calls of a journey, those already made and those still to come. Data only: no
// document fills it and it has no text form.
#pragma once

#include <optional>
#include <vector>

#include "structures/estimated_call.hpp"
#include "structures/recorded_call.hpp"

namespace quaymark::structures {

struct Calls {
    std::optional<std::vector<RecordedCall>> recorded_calls;
    std::optional<std::vector<EstimatedCall>> estimated_calls;
};

}  // namespace quaymark::structures
