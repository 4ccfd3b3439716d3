#include "structures/estimated_call.hpp"

#include "bind/leftovers.hpp"
#include "bind/messages.hpp"
#include "bind/read.hpp"

namespace quaymark::structures {

void reject_attributes(const xml::Event& start) {
    xml::Reader::for_each_attribute(start, [](const xml::Attribute& a) {
        fail(bind::invalid_type(bind::attribute_key(a.name), "a borrowed string"));
    });
}

EstimatedCall read_estimated_call(xml::Reader& r, const xml::Event& first) {
    using Seq = std::make_index_sequence<bind::field_count<EstimatedCall>>;
    // A call nested in the call being read replaces it; the loop follows such a chain to its
    // innermost call without growing the stack.
    xml::Event start = first;
    std::size_t depth = r.depth();
    EstimatedCall call;
    reject_attributes(start);
    for (;;) {
        const xml::Event& ev = r.peek();
        switch (ev.kind) {
            case xml::EventKind::End:
                r.next();
                return call;
            case xml::EventKind::Text:
                r.next();
                break;
            case xml::EventKind::Start: {
                const std::string_view key = ev.local;
                if (key == "EstimatedCall") {
                    r.abandon(depth);
                    start = r.next();
                    depth = r.depth();
                    call = EstimatedCall{};
                    reject_attributes(start);
                    break;
                }
                // A repeated child replaces the earlier value: no field counts as seen.
                std::uint64_t seen = 0;
                if (!bind::detail::dispatch(r, call, seen, key, Seq{})) {
                    xml::Event child = r.next();
                    r.capture(child);
                }
                break;
            }
            case xml::EventKind::Eof:
                bind::fail_not_closed(start.name);
        }
    }
}

}  // namespace quaymark::structures
