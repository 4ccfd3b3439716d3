// StoppingPositionChangeDeparture.
// NOT YET READ TO DEPTH: the record has no fields yet; its element is read and its content
// skipped. Its fields come with the records of its service.
#pragma once

#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct StoppingPositionChangeDeparture {};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::StoppingPositionChangeDeparture> {
    static constexpr std::string_view name = "StoppingPositionChangeDeparture";
    static constexpr std::tuple<> fields{};
};
