// Condition: the service condition of a consequence, read from the exact text of its element.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bind/describe.hpp"

namespace quaymark::enums {

enum class Condition : std::uint8_t {
    Unknown,
    Altered,
    Cancelled,
    Delayed,
    Diverted,
    NoService,
    Disrupted,
    AdditionalService,
    SpecialService,
    OnTime,
    NormalService,
    IntermittentService,
    ExtendedService,
    SplittingTrain,
    ReplacementTransport,
    ArrivesEarly,
    ShuttleService,
    ReplacementService,
    UndefinedServiceInformation,
};

}  // namespace quaymark::enums

template <>
struct quaymark::bind::EnumInfo<quaymark::enums::Condition> {
    static constexpr std::string_view name = "Condition";
    static constexpr std::array<std::string_view, 19> texts{
        "unknown", "altered", "cancelled", "delayed", "diverted", "noService", "disrupted",
        "additionalService", "specialService", "onTime", "normalService", "intermittentService",
        "extendedService", "splittingTrain", "replacementTransport", "arrivesEarly", "shuttleService",
        "replacementService", "undefinedServiceInformation"
    };
    static constexpr std::array<std::string_view, 19> variants{
        "Unknown", "Altered", "Cancelled", "Delayed", "Diverted", "NoService", "Disrupted",
        "AdditionalService", "SpecialService", "OnTime", "NormalService", "IntermittentService",
        "ExtendedService", "SplittingTrain", "ReplacementTransport", "ArrivesEarly", "ShuttleService",
        "ReplacementService", "UndefinedServiceInformation"
    };
};
