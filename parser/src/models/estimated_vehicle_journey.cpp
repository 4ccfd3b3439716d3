#include "models/estimated_vehicle_journey.hpp"

#include <type_traits>

#include "bind/read.hpp"

namespace quaymark::models {
namespace {

using Journey = EstimatedVehicleJourney;

bool is_ws(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The text of a passed-over child element (its whole markup, already checked for balance), or
// none when the element holds more than plain text: child elements, a bad entity or reference.
std::optional<std::string> clean_text(std::string_view markup, const xml::Event& child) {
    const std::size_t tag_end = static_cast<std::size_t>(child.tag.data() - markup.data()) + child.tag.size();
    if (markup[tag_end] == '/') return std::string();  // an empty-element tag
    const std::size_t close = markup.rfind("</");
    std::string_view content = markup.substr(tag_end + 1, close - tag_end - 1);
    if (content.find_first_of("<&") == std::string_view::npos) {
        while (!content.empty() && is_ws(content.front())) content.remove_prefix(1);
        while (!content.empty() && is_ws(content.back())) content.remove_suffix(1);
        return std::string(content);
    }
    // Comments, CDATA sections or references: read it again with the text rule.
    try {
        xml::Reader again = xml::Reader::fragment(markup);
        xml::Event start = again.next();
        return std::string(bind::read_text_view(again, start));
    } catch (const ParseError&) {
        return std::nullopt;
    }
}

template <class R>
std::optional<R> clean_record(std::string_view markup) {
    try {
        xml::Reader again = xml::Reader::fragment(markup);
        xml::Event start = again.next();
        return bind::read_element<R>(again, start);
    } catch (const ParseError&) {
        return std::nullopt;
    }
}

// Fills the field whose element name is `key` from the child that is the reader's next event;
// false when no field has that name.
template <std::size_t I>
bool take_field(xml::Reader& r, Journey& j, std::string_view key) {
    constexpr const auto& f = std::get<I>(bind::Describe<Journey>::fields);
    using F = std::remove_cvref_t<decltype(f)>;
    if constexpr (F::merged) {
        return false;
    } else {
        if (!f.accepts(key)) return false;
        using M = bind::member_t<F::member>;
        M& member = j.*(F::member);
        if constexpr (std::is_same_v<M, std::vector<structures::EstimatedCall>>) {
            // The run replaces the calls collected so far.
            member = bind::read_list<structures::EstimatedCall>(r);
        } else {
            xml::Event child = r.next();
            std::string_view markup = r.skip(child);
            if constexpr (std::is_same_v<M, std::string>) {
                member = clean_text(markup, child).value_or(std::string());
            } else if constexpr (std::is_same_v<M, std::optional<std::string>>) {
                member = clean_text(markup, child);
            } else if constexpr (std::is_same_v<M, std::optional<bool>>) {
                member.reset();
                bool v;
                if (auto text = clean_text(markup, child); text && bind::parse_bool(*text, v)) member = v;
            } else if constexpr (std::is_same_v<M, std::optional<FramedVehicleJourneyRef>>) {
                member = clean_record<FramedVehicleJourneyRef>(markup);
            }
            // Records without a reader of their own stay as they are.
        }
        return true;
    }
}

template <std::size_t... I>
bool take_any(xml::Reader& r, Journey& j, std::string_view key, std::index_sequence<I...>) {
    return (take_field<I>(r, j, key) || ...);
}

}  // namespace

EstimatedVehicleJourney read_estimated_vehicle_journey(xml::Reader& r, const xml::Event& start) {
    using Seq = std::make_index_sequence<bind::field_count<Journey>>;
    structures::reject_attributes(start);
    Journey j;
    for (;;) {
        const xml::Event& ev = r.peek();
        switch (ev.kind) {
            case xml::EventKind::End:
                r.next();
                return j;
            case xml::EventKind::Text:
                r.next();
                break;
            case xml::EventKind::Start: {
                const std::string_view key = ev.local;
                if (key == "EstimatedCall") {
                    j.estimated_calls.push_back(bind::read_child<structures::EstimatedCall>(r));
                } else if (key == "EstimatedVehicleJourneyCode") {
                    j.journey_identifier =
                        structures::JourneyIdentifier::estimated_vehicle_journey_code(bind::read_child<std::string>(r));
                } else if (key == "VehicleJourneyName") {
                    bind::read_child<std::string>(r);
                } else if (!take_any(r, j, key, Seq{})) {
                    xml::Event child = r.next();
                    r.skip(child);
                }
                break;
            }
            case xml::EventKind::Eof:
                bind::fail_not_closed(start.name);
        }
    }
}

}  // namespace quaymark::models
