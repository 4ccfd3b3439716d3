// Envelope: the record read from the document's root element, whatever its name.
#pragma once

#include <string>
#include <tuple>

#include "bind/describe.hpp"
#include "models/body.hpp"

namespace quaymark::models {

struct Envelope {
    Body body;
};

}  // namespace quaymark::models

template <>
struct quaymark::bind::Describe<quaymark::models::Envelope> {
    using T = models::Envelope;
    static constexpr std::string_view name = "Envelope";
    static constexpr auto fields = std::tuple{
        field<&T::body>("body", "Body", "soapenv:Body"),
    };
};
