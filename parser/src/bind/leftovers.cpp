#include "bind/leftovers.hpp"

namespace quaymark::bind {

std::string attribute_key(std::string_view qname) {
    if (qname == "xmlns" || qname.starts_with("xmlns:")) return "@" + std::string(qname);
    return "@" + std::string(xml::local_name(qname));
}

void keep_attributes(const xml::Event& start, Leftovers& out) {
    xml::Reader::for_each_attribute(start, [&](const xml::Attribute& a) {
        Leftover l{Leftover::Kind::Attribute, attribute_key(a.name), {}, {}};
        xml::unescape(a.raw_value, l.value);
        out.push_back(std::move(l));
    });
}

void keep_element(xml::Reader& r, Leftovers& out) {
    xml::Event start = r.next();
    std::string_view markup = r.capture(start);
    out.push_back(Leftover{Leftover::Kind::Element, std::string(xml::local_name(start.name)), {}, markup});
}

std::optional<std::string> direct_text(std::string_view markup) {
    xml::Reader r = xml::Reader::fragment(markup);
    r.next();  // the element's own start
    std::optional<std::string> last;
    for (;;) {
        xml::Event e = r.next();
        switch (e.kind) {
            case xml::EventKind::Text:
                last = std::string(e.text);
                break;
            case xml::EventKind::Start:
                r.skip(e);
                break;
            case xml::EventKind::End:
            case xml::EventKind::Eof:
                return last;
        }
    }
}

}  // namespace quaymark::bind
