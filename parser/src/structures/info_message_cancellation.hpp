// InfoMessageCancellation.
// NOT YET READ TO DEPTH: the record has no fields yet; its element is read and its content
// skipped. Its fields come with the records of its service.
#pragma once

#include <string_view>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct InfoMessageCancellation {};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::InfoMessageCancellation> {
    static constexpr std::string_view name = "InfoMessageCancellation";
    static constexpr std::tuple<> fields{};
};
