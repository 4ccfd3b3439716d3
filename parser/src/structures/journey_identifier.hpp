// JourneyIdentifier: how an estimated journey is identified, one of three ways.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>

#include "bind/describe.hpp"
#include "bind/render.hpp"
#include "structures/dated_vehicle_journey_indirect_ref.hpp"

namespace quaymark::structures {

struct JourneyIdentifier {
    // DatedVehicleJourneyRef, EstimatedVehicleJourneyCode, DatedVehicleJourneyIndirectRef.
    std::variant<std::string, std::string, DatedVehicleJourneyIndirectRef> value;

    static constexpr std::array<std::string_view, 3> variant_names{
        "DatedVehicleJourneyRef", "EstimatedVehicleJourneyCode", "DatedVehicleJourneyIndirectRef"};

    static JourneyIdentifier estimated_vehicle_journey_code(std::string code) {
        return {decltype(value)(std::in_place_index<1>, std::move(code))};
    }
};

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::JourneyIdentifier> {
    using T = structures::JourneyIdentifier;
    static constexpr std::string_view name = "JourneyIdentifier";
    static constexpr std::tuple<> fields{};
    // The variant name, then its value in parentheses.
    static void render(std::string& out, const T& id) {
        out += T::variant_names[id.value.index()];
        out += '(';
        std::visit([&](const auto& v) { bind::render(out, v); }, id.value);
        out += ')';
    }
};
