#include "structures/affected_operator.hpp"

#include <array>
#include <string_view>

#include "bind/messages.hpp"
#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::structures {

using namespace std::string_view_literals;
namespace {

constexpr std::array<std::string_view, 2> kVariants{"allOperators", "affectedOperator"};

[[noreturn]] void fail_variant(std::string_view name) { fail(bind::unknown_variant(name, kVariants)); }

// The items of one "Operators" wrapper (start consumed), up to and including its end tag.
void read_wrapper(xml::Reader& r, const xml::Event& start, std::vector<AffectedOperatorType>& items) {
    xml::Reader::check_attributes(start);
    for (;;) {
        const xml::Event& ev = r.peek();
        switch (ev.kind) {
            case xml::EventKind::End:
                r.next();
                return;
            case xml::EventKind::Text:
                fail_variant("$text");
            case xml::EventKind::Start: {
                xml::Event item = r.next();
                items.push_back(read_affected_operator_type(r, item));
                break;
            }
            case xml::EventKind::Eof:
                bind::fail_not_closed(start.name);
        }
    }
}

}  // namespace

AffectedOperatorType read_affected_operator_type(xml::Reader& r, const xml::Event& start) {
    std::string_view name = start.local;
    if (name == kVariants[0]) {
        r.skip(start);
        return {AffectedOperatorType::AllOperators{}};
    }
    if (name == kVariants[1]) return {bind::read_record<AffectedOperator>(r, start)};
    fail_variant(name);
}

std::vector<AffectedOperatorType> read_operators(xml::Reader& r) {
    std::vector<AffectedOperatorType> items;
    xml::Event first = r.next();
    const std::string_view qname = first.name;
    read_wrapper(r, first, items);
    for (;;) {
        const xml::Event& ev = r.peek();
        if (ev.kind == xml::EventKind::Start && xml::same_name(ev.name, qname)) {
            xml::Event s = r.next();
            read_wrapper(r, s, items);
        } else if (ev.kind == xml::EventKind::Text) {
            fail_variant("$text");
        } else {
            return items;
        }
    }
}

void render_affected_operator_type(std::string& out, const AffectedOperatorType& v) {
    if (const auto* op = std::get_if<AffectedOperator>(&v.value)) {
        out += "AffectedOperator("sv;
        bind::render(out, *op);
        out += ')';
    } else {
        out += "AllOperators"sv;
    }
}

}  // namespace quaymark::structures
