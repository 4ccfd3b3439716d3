#include "bind/read.hpp"

namespace quaymark::bind {

std::string_view read_text_events(xml::Reader& r, const xml::Event& start) {
    // The events are looked at where the reader holds them (`start` may be one of them: its name
    // is kept first).
    std::string_view text;
    const std::string_view name = start.name;
    const xml::Event* ev = &r.next();
    if (ev->kind == xml::EventKind::Text) {
        text = ev->text;
        ev = &r.next();
        if (ev->kind == xml::EventKind::Text)
            fail("ill-formed document: a DOCTYPE declaration splits the text of `" +
                 std::string(name) + "`");
    }
    switch (ev->kind) {
        case xml::EventKind::End:
            return text;
        case xml::EventKind::Start:
            fail(unexpected_start(ev->name));
        default:
            fail_not_closed(name);
    }
}

bool parse_bool(std::string_view s, bool& out) {
    if (s == "true" || s == "1") {
        out = true;
        return true;
    }
    if (s == "false" || s == "0") {
        out = false;
        return true;
    }
    return false;
}

namespace {

// Decimal digits, at least one; accumulates without overflow past `limit`.
bool parse_digits(std::string_view s, std::uint64_t limit, std::uint64_t& out) {
    if (s.empty()) return false;
    std::uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
        if (v > limit) return false;
    }
    out = v;
    return true;
}

}  // namespace

bool parse_u32(std::string_view s, std::uint32_t& out) {
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    std::uint64_t v;
    if (!parse_digits(s, 0xFFFFFFFFull, v)) return false;
    out = static_cast<std::uint32_t>(v);
    return true;
}

bool parse_i32(std::string_view s, std::int32_t& out) {
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    std::uint64_t v;
    if (!parse_digits(s, negative ? 0x80000000ull : 0x7FFFFFFFull, v)) return false;
    out = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(v)) : static_cast<std::int32_t>(v);
    return true;
}

}  // namespace quaymark::bind
