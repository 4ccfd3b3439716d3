#include "bind/leftovers.hpp"

namespace quaymark::bind {

std::string attribute_key(std::string_view qname) {
    if (qname == "xmlns" || qname.starts_with("xmlns:")) return "@" + std::string(qname);
    return "@" + std::string(xml::local_name(qname));
}

std::string_view Leftover::element_key() const {
    // The markup was read before: reading its start tag again cannot fail.
    xml::Reader r = xml::Reader::fragment(span);
    return r.next().local;
}

std::string Leftover::key() const {
    switch (kind) {
        case Kind::Attribute: return attribute_key(span);
        case Kind::Text: return "$text";
        default: return std::string(element_key());
    }
}

namespace {

void keep(KeptEntries& out, Leftover entry) {
    if (!out) out.emplace();
    out->push_back(entry);
}

}  // namespace

const Leftovers& entries_of(const KeptEntries& kept) {
    static const Leftovers none;
    return kept ? *kept : none;
}

void keep_attributes(const xml::Event& start, KeptEntries& out) {
    std::string scratch;
    xml::Reader::for_each_attribute(start, [&](const xml::Attribute& a) {
        if (!xml::plain(a.raw_value)) {
            scratch.clear();
            xml::unescape(a.raw_value, scratch);
        }
        keep(out, Leftover{a.name, Leftover::Kind::Attribute});
    });
}

void keep_element(xml::Reader& r, KeptEntries& out) {
    xml::Event start = r.next();
    keep(out, Leftover{r.capture(start), Leftover::Kind::Element});
}

void keep_text(KeptEntries& out) { keep(out, Leftover{{}, Leftover::Kind::Text}); }

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
