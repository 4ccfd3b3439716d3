// Network: one network a situation affects.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "bind/describe.hpp"

namespace quaymark::structures {

struct Network {
    std::optional<std::string> network_ref;
    std::optional<std::string> network_name;
    std::optional<std::string> routes_affected;
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::Network> {
    using T = structures::Network;
    static constexpr std::string_view name = "Network";
    static constexpr auto fields = std::tuple{
        field<&T::network_ref>("network_ref", "NetworkRef"),
        field<&T::network_name>("network_name", "NetworkName"),
        field<&T::routes_affected>("routes_affected", "RoutesAffected"),
    };
};
