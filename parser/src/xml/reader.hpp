// A pull reader over one in-memory UTF-8 document: one pass, one event of look-ahead.
//
// Events are element starts and ends, text runs and the end of input. Comments, processing
// instructions, the XML declaration and DOCTYPE declarations produce no event. A text run is
// trimmed where it touches markup and has its entities expanded; text without entities is
// handed out as a view into the input and copied only by the reader that keeps it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <functional>
#include <vector>

#include "xml/error.hpp"

namespace quaymark::xml {

enum class EventKind : std::uint8_t { Start, End, Text, Eof };

struct Event {
    EventKind kind = EventKind::Eof;
    // Start and End: the qualified name as written.
    std::string_view name;
    // Start: the local name (everything after the name's first ':'), found while the name is
    // scanned.
    std::string_view local;
    // Start: everything between '<' and '>' (without the '/' of an empty-element tag).
    std::string_view tag;
    // Text: the run after trimming and expansion. Valid until the reader produces the
    // text event after the next one.
    std::string_view text;
    // Start: offset of its '<' in the input.
    std::size_t offset = 0;
};

// The local name: everything after the first ':' (a name without one is its own).
// Names are short: a plain loop beats a library search here.
inline std::string_view local_name(std::string_view qname) {
    for (std::size_t i = 0; i < qname.size(); ++i)
        if (qname[i] == ':') return qname.substr(i + 1);
    return qname;
}

namespace detail {
inline std::uint64_t load8(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}
inline std::uint32_t load4(const char* p) {
    std::uint32_t w;
    std::memcpy(&w, p, 4);
    return w;
}
}  // namespace detail

// Whether `len` bytes at `a` and at `b` are the same: names are short, and a library call costs
// more than comparing them in place, a word at a time.
[[gnu::always_inline]] inline bool same_bytes(const char* a, const char* b, std::size_t len) {
    using detail::load4, detail::load8;
    if (len >= 8) {
        for (std::size_t k = 0; k + 8 < len; k += 8)
            if (load8(a + k) != load8(b + k)) return false;
        return load8(a + len - 8) == load8(b + len - 8);  // the last word may overlap the one before
    }
    if (len >= 4) return load4(a) == load4(b) && load4(a + len - 4) == load4(b + len - 4);
    for (std::size_t k = 0; k < len; ++k)
        if (a[k] != b[k]) return false;
    return true;
}

// Whether two names are the same, compared in place.
[[gnu::always_inline]] constexpr bool same_name(std::string_view a, std::string_view b) {
    if (std::is_constant_evaluated()) return a == b;
    return a.size() == b.size() && same_bytes(a.data(), b.data(), a.size());
}

// One attribute of a start tag, as written.
struct Attribute {
    std::string_view name;
    std::string_view raw_value;
    std::size_t position;  // offset of the name within the tag
};

class Reader {
public:
    // A reader over a whole document: a leading byte-order mark is skipped.
    static Reader document(std::string_view input);
    // A reader over one element's markup that was read (and checked) before.
    static Reader fragment(std::string_view element) { return Reader(element); }

    // The next event, left to be consumed. The reference stays valid until the next call of
    // peek or next.
    const Event& peek() {
        if (!have_peeked_) {
            produce(peeked_);
            have_peeked_ = true;
        }
        return peeked_;
    }
    // Consumes the next event. The reference stays valid until the next call of peek or next.
    const Event& next() {
        if (!have_peeked_) produce(peeked_);
        have_peeked_ = false;
        return peeked_;
    }

    // Consumes everything up to and including the end tag that balances `start` (already
    // consumed). Nothing is expanded and no attribute is examined, but markup is checked.
    // Returns the element's whole markup, from its '<' to the end of its end tag.
    std::string_view skip(const Event& start);

    // Like skip, but every attribute inside is checked and expanded and every text is
    // expanded, so that the element can be re-read later without error. Returns the
    // element's whole markup, from its '<' to the end of its end tag.
    std::string_view capture(const Event& start);

    // The usual content of a text-valued element whose start was just consumed: character data
    // without entities, or nothing, then the element's end tag. Consumes both and gives the text,
    // trimmed; false, with nothing consumed, for any other content, which the events then tell as
    // usual. The same text and the same faults as reading the events one by one.
    bool plain_text_element(std::string_view& text);

    // The byte offset just past what has been consumed.
    std::size_t position() const { return pos_; }
    // The number of bytes after what has been consumed or peeked.
    std::size_t remaining() const { return in_.size() - pos_; }

    // The number of elements opened and not yet closed by what has been consumed or peeked
    // (an empty-element tag opens none).
    std::size_t depth() const { return open_.size(); }

    // Gives up the open element at `depth` (as depth() counted it just after its start): its
    // end tag still has to balance it, but produces no event. A reader that stops reading an
    // element early leaves the element's later content to whoever reads next, without
    // letting the abandoned end tag close that reader's own element.
    void abandon(std::size_t depth) { abandoned_.push_back(depth); }

    // Checks the syntax of every attribute of a start event (quick duplicate detection
    // included); calls `each(const Attribute&)` for each one in document order.
    template <class F>
    static void for_each_attribute(const Event& start, F&& each);
    static void check_attributes(const Event& start) {
        if (start.tag.size() == start.name.size()) return;  // the usual case: no attributes
        for_each_attribute(start, [](const Attribute&) {});
    }

private:
    explicit Reader(std::string_view input) : in_(input) {}

    // Markup other than element tags, and character data. Tags are scanned straight into the
    // event they make; everything else is first lexed into a token, which never throws: a fault
    // is an Error token whose message waits in `error_`.
    enum class Tok : std::uint8_t { Chars, CData, Comment, PI, DocType, Error };
    struct Token {
        Tok kind = Tok::Error;
        std::size_t begin = 0, end = 0;  // the content
        bool plain = false;              // known to hold no '&'
    };

    // The markup at pos_ that begins "<!" or "<?" (or a '<' that ends the input); pos_ moves
    // past it (to the end of the input on an error).
    Token lex_special();
    // The start or empty-element tag whose '<' is at pos_, as a Start event; pos_ moves past
    // it. False, with nothing consumed, when no '>' closes it.
    // `name` is the name the event holds, for the caller to use without reading back the event
    // just written.
    bool scan_start(Event& e, std::string_view& name, bool& empty);
    // The same, failing when no '>' closes the tag; returns the tag's name.
    std::string_view start_tag(Event& e, bool& empty);
    // Consumes the end tag at pos_ and closes the innermost open element with it; returns its
    // name.
    std::string_view end_tag();
    // The end tag at pos_ when it is not the innermost open element's name and '>' at once:
    // white space before the '>', or a fault.
    std::string_view other_end_tag();
    // A text run beginning with `first` (already consumed); false when it is white space only.
    bool text_run(Token first, Event& e);
    void produce(Event& e);
    [[noreturn]] void fail_tag_not_closed();

    std::string_view in_;
    std::size_t pos_ = 0;
    std::string error_;  // the message of the last Error token
    bool pending_end_ = false;  // the End of an empty-element tag is due
    std::string_view pending_end_name_;
    bool have_peeked_ = false;
    Event peeked_;
    std::vector<std::string_view> open_;
    std::vector<std::size_t> abandoned_;  // depths of abandoned open elements, innermost last
    std::string buffers_[2];
    int buffer_ = 0;
};

// Expands the predefined entities and character references of one piece of character
// data, appending to `out`. Throws the expansion messages.
void unescape(std::string_view piece, std::string& out);
// True when the piece holds no '&' and can be used as it stands.
inline bool plain(std::string_view piece) { return piece.find('&') == std::string_view::npos; }

[[noreturn]] void fail_attribute(std::string detail);

template <class F>
void Reader::for_each_attribute(const Event& start, F&& each) {
    auto is_ws = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::string_view s = start.tag;
    std::size_t i = start.name.size();
    if (i == s.size()) return;  // the usual case: no attributes
    // Names seen so far: a linear scan for the usual handful; beyond that an open-addressing
    // table of (name, position), kept at most half full, so that a tag with a great many
    // attributes costs linear time and a few words per attribute.
    constexpr std::size_t linear = 16;
    struct Seen {
        std::string_view name;
        std::size_t position;
    };
    std::vector<Seen> seen;
    std::size_t count = 0;
    auto slot_of = [](const std::vector<Seen>& table, std::string_view name) {
        std::size_t h = std::hash<std::string_view>{}(name), mask = table.size() - 1;
        for (std::size_t k = h & mask;; k = (k + 1) & mask)
            if (table[k].name.data() == nullptr || table[k].name == name) return k;
    };
    auto check_duplicate = [&](const Attribute& attr) {
        std::size_t previous = std::string_view::npos;
        if (count < linear) {
            for (std::size_t k = 0; k < count; ++k)
                if (seen[k].name == attr.name) { previous = seen[k].position; break; }
            if (previous == std::string_view::npos) seen.push_back({attr.name, attr.position});
        } else {
            if (count == linear || 2 * (count + 1) > seen.size()) {
                std::vector<Seen> grown(count == linear ? 4 * linear : 2 * seen.size());
                for (const Seen& e : seen)
                    if (e.name.data() != nullptr) grown[slot_of(grown, e.name)] = e;
                seen.swap(grown);
            }
            std::size_t k = slot_of(seen, attr.name);
            if (seen[k].name.data() != nullptr) previous = seen[k].position;
            else seen[k] = {attr.name, attr.position};
        }
        if (previous != std::string_view::npos)
            fail_attribute("position " + std::to_string(attr.position) +
                           ": duplicated attribute, previous declaration at position " +
                           std::to_string(previous));
        ++count;
    };
    for (;;) {
        while (i < s.size() && is_ws(s[i])) ++i;
        if (i >= s.size()) return;
        std::size_t key_start = i;
        while (i < s.size() && s[i] != '=' && !is_ws(s[i])) ++i;
        if (i >= s.size())
            fail_attribute("position " + std::to_string(s.size()) +
                           ": attribute key must be directly followed by `=` or space");
        std::size_t key_end = i;
        Attribute attr{s.substr(key_start, key_end - key_start), {}, key_start};
        check_duplicate(attr);
        if (s[i] != '=') {
            while (i < s.size() && is_ws(s[i])) ++i;
            if (i >= s.size() || s[i] != '=')
                fail_attribute("position " + std::to_string(key_end) +
                               ": attribute key must be directly followed by `=` or space");
        }
        ++i;  // '='
        while (i < s.size() && is_ws(s[i])) ++i;
        if (i >= s.size())
            fail_attribute("position " + std::to_string(s.size()) +
                           ": `=` must be followed by an attribute value");
        char q = s[i];
        if (q != '"' && q != '\'')
            fail_attribute("position " + std::to_string(i) +
                           ": attribute value must be enclosed in `\"` or `'`");
        std::size_t close = s.find(q, i + 1);
        if (close == std::string_view::npos)
            fail_attribute("position " + std::to_string(s.size()) +
                           ": missing closing quote `" + std::string(1, q) + "` in attribute value");
        attr.raw_value = s.substr(i + 1, close - i - 1);
        each(static_cast<const Attribute&>(attr));
        i = close + 1;
    }
}

}  // namespace quaymark::xml
