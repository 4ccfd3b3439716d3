#include "siri.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark {

models::Envelope SIRI::from_str(std::string_view document) {
    xml::Reader r = xml::Reader::document(document);
    xml::Event first = r.next();
    switch (first.kind) {
        case xml::EventKind::Start:
            return bind::read_record<models::Envelope>(r, first);
        case xml::EventKind::Text:
            fail(bind::invalid_type(first.text, "struct Envelope"));
        default:
            fail("unexpected `Event::Eof`");
    }
}

std::string text_form(const models::Envelope& envelope) { return bind::text_form(envelope); }

std::string text_form(const models::Body& body) { return bind::text_form(body); }

}  // namespace quaymark
