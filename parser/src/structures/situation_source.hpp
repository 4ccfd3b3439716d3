// SituationSource: where the information on a situation came from.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "enums/source_type.hpp"

namespace quaymark::structures {

struct SituationSource {
    std::optional<std::string> name;
    std::optional<enums::SourceType> source_type;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::SituationSource> {
    using T = structures::SituationSource;
    static constexpr std::string_view name = "SituationSource";
    static constexpr auto fields = std::tuple{
        field<&T::name>("name", "Name"),
        field<&T::source_type>("source_type", "SourceType"),
    };
};
