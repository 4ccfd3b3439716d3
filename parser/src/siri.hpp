// The parse entry: one SIRI document in, its Envelope record or the parse error out.
#pragma once

#include <string>
#include <string_view>

#include "models/envelope.hpp"
#include "xml/error.hpp"

namespace quaymark {

struct SIRI {
    // Reads the document (UTF-8) up to its root element's end tag; throws ParseError.
    static models::Envelope from_str(std::string_view document);
};

// The one-line text forms of the two records Python sees.
std::string text_form(const models::Envelope& envelope);
std::string text_form(const models::Body& body);

}  // namespace quaymark
