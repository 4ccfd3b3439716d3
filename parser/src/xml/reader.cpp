#include "xml/reader.hpp"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quaymark::xml {
namespace {

using detail::load8;

bool is_ws(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The first byte at or after `i` that a start tag's scan must look at: '>', ':' or a byte below
// '(' (white space and the quotes among them, but also a few bytes a name may hold, which the
// caller passes over); `n` when there is none. Names and attributes are passed over sixteen bytes
// at a time where the processor offers it, else eight.
std::size_t next_tag_stop(const char* p, std::size_t i, std::size_t n) {
#if defined(__SSE2__)
    const __m128i below = _mm_set1_epi8('(' - 1), gt = _mm_set1_epi8('>'), colon = _mm_set1_epi8(':');
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i stops = _mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(v, below), v),
                                           _mm_or_si128(_mm_cmpeq_epi8(v, gt), _mm_cmpeq_epi8(v, colon)));
        if (const int bits = _mm_movemask_epi8(stops))
            return i + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(bits)));
    }
#endif
    // A word's bytes that are stops, each marked by its high bit. The lowest mark is always a
    // true one (later ones may be false), so it gives the first stop of the word at once.
    static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");
    constexpr std::uint64_t ones = 0x0101010101010101ull, highs = ones * 0x80;
    const auto any_below = [&](std::uint64_t v, std::uint64_t k) { return (v - ones * k) & ~v & highs; };
    for (; i + 8 <= n; i += 8) {
        const std::uint64_t w = load8(p + i);
        if (const std::uint64_t stops = any_below(w, '(') | any_below(w ^ (ones * '>'), 1) | any_below(w ^ (ones * ':'), 1))
            return i + static_cast<std::size_t>(std::countr_zero(stops)) / 8;
    }
    for (; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(p[i]);
        if (c < '(' || c == '>' || c == ':') return i;
    }
    return n;
}

#if defined(__SSE2__)
// The stops (as next_tag_stop finds them) among the 32 bytes at `p`, one bit a byte.
std::uint32_t tag_stops32(const char* p) {
    const __m128i below = _mm_set1_epi8('(' - 1), gt = _mm_set1_epi8('>'), colon = _mm_set1_epi8(':');
    const auto stops = [&](const __m128i v) {
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(
            _mm_cmpeq_epi8(_mm_min_epu8(v, below), v), _mm_or_si128(_mm_cmpeq_epi8(v, gt), _mm_cmpeq_epi8(v, colon)))));
    };
    return stops(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))) |
           stops(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16))) << 16;
}
#endif

// The first '<' or '&' at or after `i`; `n` when there is none. Text runs are mostly short, and
// one pass for both bytes in place costs less than a library search for each.
std::size_t next_lt_or_amp(const char* p, std::size_t i, std::size_t n) {
#if defined(__SSE2__)
    const __m128i lt = _mm_set1_epi8('<'), amp = _mm_set1_epi8('&');
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        if (const int bits = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lt), _mm_cmpeq_epi8(v, amp))))
            return i + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(bits)));
    }
#endif
    for (; i < n; ++i)
        if (p[i] == '<' || p[i] == '&') return i;
    return n;
}

// The first '>' or quote at or after `i`; `n` when there is none: the attributes of a start tag are
// passed over sixteen bytes at a time where the processor offers it.
std::size_t next_gt_or_quote(const char* p, std::size_t i, std::size_t n) {
#if defined(__SSE2__)
    const __m128i gt = _mm_set1_epi8('>'), dq = _mm_set1_epi8('"'), sq = _mm_set1_epi8('\'');
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(v, gt), _mm_or_si128(_mm_cmpeq_epi8(v, dq), _mm_cmpeq_epi8(v, sq)));
        if (const int bits = _mm_movemask_epi8(hits))
            return i + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(bits)));
    }
#endif
    for (; i < n; ++i)
        if (p[i] == '>' || p[i] == '"' || p[i] == '\'') return i;
    return n;
}

std::string_view trim_start(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && is_ws(s[i])) ++i;
    return s.substr(i);
}

std::string_view trim_end(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && is_ws(s[n - 1])) --n;
    return s.substr(0, n);
}

const char kSyntax[] = "syntax error: ";
const char kIllFormed[] = "ill-formed document: ";

void append_utf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

[[noreturn]] void fail_charref(const char* detail) {
    fail(std::string("invalid character reference: ") + detail);
}

// A character reference's number ("#" already removed): decimal, or hexadecimal after a
// lower-case 'x'. Digits are taken left to right, each checked before the overflow it causes.
std::uint32_t parse_charref(std::string_view num) {
    std::uint32_t radix = 10;
    if (!num.empty() && num[0] == 'x') {
        radix = 16;
        num.remove_prefix(1);
    }
    if (!num.empty() && (num[0] == '+' || num[0] == '-')) fail_charref("unexpected number sign");
    if (num.empty()) fail_charref("cannot parse integer from empty string");
    std::uint64_t value = 0;
    for (char c : num) {
        std::uint32_t d;
        if (c >= '0' && c <= '9') d = static_cast<std::uint32_t>(c - '0');
        else if (radix == 16 && c >= 'a' && c <= 'f') d = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (radix == 16 && c >= 'A' && c <= 'F') d = static_cast<std::uint32_t>(c - 'A' + 10);
        else fail_charref("invalid digit found in string");
        if (d >= radix) fail_charref("invalid digit found in string");
        value = value * radix + d;
        if (value > 0xFFFFFFFFull) fail_charref("number too large to fit in target type");
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

void fail_attribute(std::string detail) {
    fail("error while parsing attribute: " + std::move(detail));
}

void unescape(std::string_view piece, std::string& out) {
    std::size_t last = 0;
    std::size_t from = 0;
    for (;;) {
        std::size_t amp = piece.find('&', from);
        if (amp == std::string_view::npos) break;
        std::size_t stop = piece.find_first_of("&;", amp + 1);
        if (stop == std::string_view::npos || piece[stop] == '&')
            fail("Error while escaping character at range " + std::to_string(amp) + ".." +
                 std::to_string(piece.size()) + ": Cannot find ';' after '&'");
        out.append(piece.substr(last, amp - last));
        std::string_view name = piece.substr(amp + 1, stop - amp - 1);
        if (!name.empty() && name[0] == '#') {
            std::uint32_t cp = parse_charref(name.substr(1));
            if (cp == 0) fail_charref("0x0 character is not permitted in XML");
            if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
                fail(std::string("invalid character reference: `") + std::to_string(cp) +
                     "` is not a valid codepoint");
            append_utf8(out, cp);
        } else if (name == "lt") {
            out.push_back('<');
        } else if (name == "gt") {
            out.push_back('>');
        } else if (name == "amp") {
            out.push_back('&');
        } else if (name == "apos") {
            out.push_back('\'');
        } else if (name == "quot") {
            out.push_back('"');
        } else {
            fail("at " + std::to_string(amp + 1) + ".." + std::to_string(stop) +
                 ": unrecognized entity `" + std::string(name) + "`");
        }
        last = from = stop + 1;
    }
    out.append(piece.substr(last));
}

Reader Reader::document(std::string_view input) {
    Reader r(input);
    if (input.size() >= 3 && std::memcmp(input.data(), "\xEF\xBB\xBF", 3) == 0) r.pos_ = 3;
    return r;
}

void Reader::fail_tag_not_closed() {
    fail(std::string(kSyntax) + "tag not closed: `>` not found before end of input");
}

Reader::Token Reader::lex_special() {
    Token t;
    const std::size_t lt = pos_;
    auto error = [&](std::string msg) {
        t.kind = Tok::Error;
        error_ = std::move(msg);
        pos_ = in_.size();
        return t;
    };
    if (lt + 1 >= in_.size())
        return error(std::string(kSyntax) + "tag not closed: `>` not found before end of input");
    const char c = in_[lt + 1];
    if (c == '!') {
        // "<!" at the end of the input is unknown markup, as any other byte after it would be.
        const char k = lt + 2 < in_.size() ? in_[lt + 2] : '!';
        if (k == '[') {
            std::size_t close = in_.find("]]>", lt + 2);
            if (close == std::string_view::npos || in_.substr(lt, 9) != "<![CDATA[")
                return error(std::string(kSyntax) +
                             "CDATA not closed: `]]>` not found before end of input");
            t.kind = Tok::CData;
            t.begin = lt + 9;
            t.end = close;
            pos_ = close + 3;
            return t;
        }
        if (k == '-') {
            std::size_t close = in_.find("-->", lt + 4);
            if (close == std::string_view::npos || in_.substr(lt, 4) != "<!--")
                return error(std::string(kSyntax) +
                             "comment not closed: `-->` not found before end of input");
            t.kind = Tok::Comment;
            t.begin = lt + 4;
            t.end = close;
            pos_ = close + 3;
            return t;
        }
        if (k == 'D' || k == 'd') {
            std::size_t depth = 0, i = lt + 2, close = std::string_view::npos;
            for (; i < in_.size(); ++i) {
                if (in_[i] == '<') {
                    ++depth;
                } else if (in_[i] == '>') {
                    if (depth == 0) {
                        close = i;
                        break;
                    }
                    --depth;
                }
            }
            auto keyword_ok = [&] {
                if (close == std::string_view::npos || close - (lt + 1) < 8) return false;
                static const char kw[] = "DOCTYPE";
                for (int j = 0; j < 7; ++j) {
                    char ch = in_[lt + 2 + static_cast<std::size_t>(j)];
                    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
                    if (ch != kw[j]) return false;
                }
                return true;
            };
            if (!keyword_ok())
                return error(std::string(kSyntax) +
                             "DOCTYPE not closed: `>` not found before end of input");
            std::string_view rest = in_.substr(lt + 9, close - (lt + 9));
            if (trim_start(rest).empty())
                return error(std::string(kIllFormed) +
                             "`<!DOCTYPE>` declaration does not contain a name of a document type");
            t.kind = Tok::DocType;
            t.begin = lt + 9;
            t.end = close;
            pos_ = close + 1;
            return t;
        }
        return error(std::string(kSyntax) + "unknown or missed symbol in markup");
    }
    // c == '?'
    std::size_t from = lt + 2;
    for (;;) {
        std::size_t gt = in_.find('>', from);
        if (gt == std::string_view::npos) break;
        if (in_[gt - 1] == '?') {
            if (gt - (lt + 1) > 2) {
                t.kind = Tok::PI;
                t.begin = lt + 2;
                t.end = gt - 1;
                pos_ = gt + 1;
                return t;
            }
            break;
        }
        from = gt + 1;
    }
    return error(std::string(kSyntax) +
                 "processing instruction or xml declaration not closed: `?>` not found before end of input");
}

[[gnu::always_inline]] inline bool Reader::scan_start(Event& e, std::string_view& name, bool& empty) {
    constexpr std::size_t none = std::string_view::npos;
    const char* p = in_.data();
    const std::size_t n = in_.size(), lt = pos_, begin = lt + 1;
    // The name runs to the tag's first white space, quote or '>'; its first ':' is noted on the
    // way for the local name.
    std::size_t i = begin, colon = none;
    bool quote_in_name = false, name_scanned = false;
#if defined(__SSE2__)
    // The usual tag, a short name (perhaps with a prefix) and its '>', is told by the stops
    // among its first 32 bytes.
    if (begin + 32 <= n) {
        std::uint32_t stops = tag_stops32(p + begin);
        if (stops && p[begin + std::countr_zero(stops)] == ':') {
            colon = begin + static_cast<std::size_t>(std::countr_zero(stops));
            stops &= stops - 1;
        }
        if (stops && p[begin + std::countr_zero(stops)] == '>') {
            i = begin + static_cast<std::size_t>(std::countr_zero(stops));
            name_scanned = true;
        } else {
            colon = none;
        }
    }
#endif
    for (; !name_scanned; ++i) {
        i = next_tag_stop(p, i, n);
        if (i >= n) return false;
        const char c = p[i];
        if (c == '>' || is_ws(c)) break;
        if (c == '"' || c == '\'') {
            quote_in_name = true;
            break;
        }
        if (c == ':' && colon == none) colon = i;
        // any other byte below '(' is part of the name
    }
    std::size_t name_end = i;
    // The tag's '>' is the first one outside quotes.
    while (p[i] != '>') {
        if (p[i] == '"' || p[i] == '\'') {
            const void* close = std::memchr(p + i + 1, p[i], n - (i + 1));
            if (!close) return false;
            i = static_cast<std::size_t>(static_cast<const char*>(close) - p) + 1;
        }
        i = next_gt_or_quote(p, i, n);
        if (i >= n) return false;
    }
    std::size_t end = i;
    empty = end > begin && p[end - 1] == '/';
    if (empty) --end;
    if (quote_in_name) {  // the name runs on through the quote to the first white space
        name_end = begin;
        while (name_end < end && !is_ws(p[name_end])) ++name_end;
    }
    name_end = std::min(name_end, end);
    e.kind = EventKind::Start;
    name = std::string_view(p + begin, name_end - begin);
    e.name = name;
    if (quote_in_name) e.local = local_name(name);  // a ':' past the quote was not noted
    else if (colon < name_end) e.local = std::string_view(p + colon + 1, name_end - (colon + 1));
    else e.local = name;
    e.tag = std::string_view(p + begin, end - begin);
    e.text = {};
    e.offset = lt;
    pos_ = i + 1;
    return true;
}

[[gnu::always_inline]] inline std::string_view Reader::start_tag(Event& e, bool& empty) {
    std::string_view name;
    if (!scan_start(e, name, empty)) fail_tag_not_closed();
    return name;
}

[[gnu::always_inline]] inline std::string_view Reader::end_tag() {
    const char* p = in_.data();
    const std::size_t n = in_.size(), from = pos_ + 2;
    // The usual end tag: the innermost open element's name right after "</", then '>'.
    if (!open_.empty()) {
        const std::string_view open = open_.back();
        if (from + open.size() < n && p[from + open.size()] == '>' && same_bytes(p + from, open.data(), open.size())) {
            open_.pop_back();
            pos_ = from + open.size() + 1;
            return open;
        }
    }
    return other_end_tag();
}

std::string_view Reader::other_end_tag() {
    const char* p = in_.data();
    const std::size_t n = in_.size(), from = pos_ + 2;
    const void* gt = std::memchr(p + from, '>', n - from);
    if (!gt) fail_tag_not_closed();
    const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(gt) - p);
    const std::string_view name = trim_end(in_.substr(from, end - from));
    if (open_.empty())
        fail(std::string(kIllFormed) + "close tag `</" + std::string(name) +
             ">` does not match any open tag");
    if (open_.back() != name)
        fail(std::string(kIllFormed) + "expected `</" + std::string(open_.back()) + ">`, but `</" +
             std::string(name) + ">` was found");
    open_.pop_back();
    pos_ = end + 1;
    return name;
}

bool Reader::text_run(Token cur, Event& e) {
    std::string& buf = buffers_[buffer_];
    const auto make = [&](std::string_view text) {
        e.kind = EventKind::Text;
        e.name = {};
        e.local = {};
        e.tag = {};
        e.text = text;
        e.offset = 0;
        return true;
    };
    // The usual run: one piece of character data that a tag ends. The tag is left for the
    // next event.
    if (cur.kind == Tok::Chars && cur.end + 1 < in_.size() && in_[cur.end + 1] != '!' && in_[cur.end + 1] != '?') {
        std::string_view piece = trim_end(trim_start(in_.substr(cur.begin, cur.end - cur.begin)));
        if (piece.empty()) return false;
        if (cur.plain || plain(piece)) return make(piece);
        buf.clear();
        unescape(piece, buf);
        buffer_ ^= 1;
        return make(buf);
    }
    // A run of pieces: character data and CDATA sections, with comments and processing
    // instructions between them passed over. What ends the run (a tag, a DOCTYPE declaration,
    // the end of the input, or markup that does not lex) is left unconsumed for the next event,
    // so that its fault surfaces only when it is read.
    std::string_view result;
    bool buffered = false;
    bool any = false;
    bool first = true;
    auto append = [&](std::string_view piece, bool expand) {
        const bool expanding = expand && !plain(piece);
        if (!any && !expanding) {
            result = piece;
        } else {
            if (!buffered) {
                buf.assign(result);
                buffered = true;
            }
            if (expanding) unescape(piece, buf);
            else buf.append(piece);
        }
        any = true;
    };
    // The piece at pos_, consumed; false, with nothing consumed, when no piece is there.
    auto next_piece = [&](Token& t) {
        for (;;) {
            const std::size_t mark = pos_;
            if (pos_ >= in_.size()) return false;
            if (in_[pos_] != '<') {
                const void* lt = std::memchr(in_.data() + pos_, '<', in_.size() - pos_);
                t.kind = Tok::Chars;
                t.begin = pos_;
                t.end = lt ? static_cast<std::size_t>(static_cast<const char*>(lt) - in_.data()) : in_.size();
                pos_ = t.end;
                return true;
            }
            if (pos_ + 1 < in_.size() && in_[pos_ + 1] != '!' && in_[pos_ + 1] != '?') return false;  // a tag
            t = lex_special();
            if (t.kind == Tok::Comment || t.kind == Tok::PI) continue;
            if (t.kind == Tok::CData) return true;
            pos_ = mark;
            return false;
        }
    };
    for (;;) {
        Token nxt;
        const bool last = !next_piece(nxt);
        if (cur.kind == Tok::Chars) {
            std::string_view piece = in_.substr(cur.begin, cur.end - cur.begin);
            if (first) piece = trim_start(piece);
            if (last) piece = trim_end(piece);
            if (!piece.empty()) append(piece, true);
        } else {
            append(in_.substr(cur.begin, cur.end - cur.begin), false);
        }
        first = false;
        if (last) break;
        cur = nxt;
    }
    if (!any) return false;
    if (!buffered) return make(result);
    buffer_ ^= 1;
    return make(buf);
}

bool Reader::plain_text_element(std::string_view& text) {
    if (have_peeked_) return false;
    if (pending_end_) {  // an empty-element tag
        pending_end_ = false;
        text = {};
        return true;
    }
    const char* p = in_.data();
    const std::size_t n = in_.size();
    std::size_t end = pos_;
    if (end < n && p[end] != '<') end = next_lt_or_amp(p, end, n);
    if (end + 1 >= n || p[end] != '<' || p[end + 1] != '/') return false;
    // An abandoned element's end tag gives no event: what follows it belongs to the element.
    if (!abandoned_.empty() && abandoned_.back() == open_.size()) return false;
    const std::string_view piece = trim_end(trim_start(std::string_view(p + pos_, end - pos_)));
    pos_ = end;
    end_tag();
    text = piece;
    return true;
}

void Reader::produce(Event& e) {
    if (pending_end_) {
        pending_end_ = false;
        e.kind = EventKind::End;
        e.name = pending_end_name_;
        e.local = {};
        e.tag = {};
        e.text = {};
        e.offset = 0;
        return;
    }
    const char* p = in_.data();
    const std::size_t n = in_.size();
    for (;;) {
        if (pos_ >= n) {
            e = Event{};
            return;
        }
        if (p[pos_] != '<') {
            // White space alone up to a tag, as between the elements of an indented document,
            // gives no event.
            std::size_t i = pos_;
            while (i < n && is_ws(p[i])) ++i;
            if (i + 1 < n && p[i] == '<' && p[i + 1] != '!' && p[i + 1] != '?') {
                pos_ = i;
                continue;
            }
            Token t{Tok::Chars, pos_, pos_};
            t.plain = true;
            for (;;) {
                t.end = next_lt_or_amp(p, t.end, n);
                if (t.end == n || p[t.end] == '<') break;
                t.plain = false;
                ++t.end;
            }
            pos_ = t.end;
            if (text_run(t, e)) return;
            continue;
        }
        // The byte after '<', NUL where the input ends. A name may begin with NUL too, so a NUL
        // only leads to the position, which tells the end of the input from a start tag.
        const char c = pos_ + 1 < n ? p[pos_ + 1] : '\0';
        if (c == '/') {
            const std::string_view name = end_tag();
            if (!abandoned_.empty() && abandoned_.back() == open_.size() + 1) {
                abandoned_.pop_back();
                continue;
            }
            e.kind = EventKind::End;
            e.name = name;
            e.local = {};
            e.tag = {};
            e.text = {};
            e.offset = 0;
            return;
        }
        if ((c == '!' || c == '?' || c == '\0') && (c != '\0' || pos_ + 1 == n)) {
            const Token t = lex_special();
            if (t.kind == Tok::Error) fail(std::move(error_));
            if (t.kind == Tok::CData && text_run(t, e)) return;
            continue;
        }
        bool empty;
        const std::string_view name = start_tag(e, empty);
        if (empty) {
            pending_end_ = true;
            pending_end_name_ = name;
        } else {
            open_.push_back(name);
        }
        return;
    }
}

namespace {
[[noreturn]] void fail_unclosed(std::string_view name) {
    fail(std::string(kIllFormed) + "start tag not closed: `</" + std::string(name) +
         ">` not found before end of input");
}
}  // namespace

std::string_view Reader::skip(const Event& start) {
    if (pending_end_) {
        pending_end_ = false;
        return in_.substr(start.offset, pos_ - start.offset);
    }
    const char* p = in_.data();
    const std::size_t n = in_.size();
    std::size_t depth = 1;
    Event inner;  // the start tags inside, scanned only for their names
    for (;;) {
        if (pos_ >= n) fail_unclosed(start.name);
        if (p[pos_] != '<') {
            const void* lt = std::memchr(p + pos_, '<', n - pos_);
            pos_ = lt ? static_cast<std::size_t>(static_cast<const char*>(lt) - p) : n;
            continue;
        }
        const char c = pos_ + 1 < n ? p[pos_ + 1] : '\0';  // NUL where the input ends, as in produce
        if (c == '/') {
            end_tag();
            if (--depth == 0) return in_.substr(start.offset, pos_ - start.offset);
        } else if ((c == '!' || c == '?' || c == '\0') && (c != '\0' || pos_ + 1 == n)) {
            if (lex_special().kind == Tok::Error) fail(std::move(error_));
        } else {
            bool empty;
            const std::string_view name = start_tag(inner, empty);
            if (!empty) {
                open_.push_back(name);
                ++depth;
            }
        }
    }
}

std::string_view Reader::capture(const Event& start) {
    std::string scratch;
    auto expand_attributes = [&](const Event& e) {
        for_each_attribute(e, [&](const Attribute& a) {
            if (!plain(a.raw_value)) {
                scratch.clear();
                unescape(a.raw_value, scratch);
            }
        });
    };
    expand_attributes(start);
    std::size_t depth = 1;
    for (;;) {
        const Event& e = next();
        switch (e.kind) {
            case EventKind::Start:
                expand_attributes(e);
                ++depth;
                break;
            case EventKind::End:
                if (--depth == 0) return in_.substr(start.offset, pos_ - start.offset);
                break;
            case EventKind::Text:
                break;
            case EventKind::Eof:
                fail_unclosed(start.name);
        }
    }
}

}  // namespace quaymark::xml
