#include "xml/reader.hpp"

#include <algorithm>
#include <cstring>

namespace quaymark::xml {
namespace {

bool is_ws(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The bytes a start tag's scan for its closing '>' must stop at, and those that also end the
// element's name (which runs to the tag's first white space).
struct ByteClass {
    bool tag_stop[256] = {};
    bool name_stop[256] = {};
    constexpr ByteClass() {
        for (unsigned char c : {'>', '"', '\''}) tag_stop[c] = name_stop[c] = true;
        for (unsigned char c : {' ', '\t', '\r', '\n'}) name_stop[c] = true;
    }
};
constexpr ByteClass kBytes;

// Whether any of the eight bytes of `w` may end a start tag's name: '>' or a byte below '('
// (white space and the quotes among them). Whole words without one are passed over eight bytes
// at a time; the byte loop then finds the exact stop.
bool may_end_name(std::uint64_t w) {
    constexpr std::uint64_t ones = 0x0101010101010101ull, highs = ones * 0x80;
    const auto any_below = [&](std::uint64_t v, std::uint64_t n) { return (v - ones * n) & ~v & highs; };
    return (any_below(w, '(') | any_below(w ^ (ones * '>'), 1)) != 0;
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

inline Reader::Token Reader::take() {
    if (have_pending_) {
        have_pending_ = false;
        return pending_;
    }
    return lex();
}

inline Reader::Token Reader::lex() {
    Token t;
    if (pos_ >= in_.size()) {
        t.kind = Tok::Eof;
        return t;
    }
    if (in_[pos_] != '<') {
        const void* lt = std::memchr(in_.data() + pos_, '<', in_.size() - pos_);
        std::size_t end = lt ? static_cast<std::size_t>(static_cast<const char*>(lt) - in_.data())
                             : in_.size();
        t.kind = Tok::Chars;
        t.begin = pos_;
        t.end = end;
        pos_ = end;
        return t;
    }
    return lex_markup();
}

Reader::Token Reader::lex_markup() {
    Token t;
    const std::size_t lt = pos_;
    t.offset = lt;
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
        const char k = lt + 2 < in_.size() ? in_[lt + 2] : '\0';
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
    if (c == '?') {
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
    const char* p = in_.data();
    const std::size_t n = in_.size();
    if (c == '/') {
        const void* gt = std::memchr(p + lt + 2, '>', n - (lt + 2));
        if (!gt) return error(std::string(kSyntax) + "tag not closed: `>` not found before end of input");
        t.kind = Tok::End;
        t.begin = lt + 2;
        t.end = static_cast<std::size_t>(static_cast<const char*>(gt) - p);
        pos_ = t.end + 1;
        return t;
    }
    // A start or empty-element tag: its '>' is the first one outside quotes; the name runs to
    // the tag's first white space.
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(p[k]); };
    std::size_t i = lt + 1;
    for (std::uint64_t w; i + 8 <= n; i += 8) {
        std::memcpy(&w, p + i, 8);
        if (may_end_name(w)) break;
    }
    while (i < n && !kBytes.name_stop[byte(i)]) ++i;
    const bool quote_in_name = i < n && (p[i] == '"' || p[i] == '\'');
    t.name_end = i;
    for (;;) {
        while (i < n && !kBytes.tag_stop[byte(i)]) ++i;
        if (i >= n || p[i] == '>') break;
        const void* close = std::memchr(p + i + 1, p[i], n - (i + 1));
        i = close ? static_cast<std::size_t>(static_cast<const char*>(close) - p) + 1 : n;
    }
    if (i >= n) return error(std::string(kSyntax) + "tag not closed: `>` not found before end of input");
    t.begin = lt + 1;
    t.end = i;
    t.kind = Tok::Start;
    if (t.end > t.begin && in_[t.end - 1] == '/') {
        t.kind = Tok::Empty;
        --t.end;
    }
    if (quote_in_name) {
        t.name_end = t.begin;
        while (t.name_end < t.end && !is_ws(p[t.name_end])) ++t.name_end;
    }
    t.name_end = std::min(t.name_end, t.end);
    pos_ = i + 1;
    return t;
}

Event Reader::start_event(const Token& t) const {
    Event e;
    e.kind = EventKind::Start;
    e.tag = in_.substr(t.begin, t.end - t.begin);
    e.name = in_.substr(t.begin, t.name_end - t.begin);
    e.offset = t.offset;
    return e;
}

void Reader::close(std::string_view name) {
    if (open_.empty())
        fail(std::string(kIllFormed) + "close tag `</" + std::string(name) +
             ">` does not match any open tag");
    if (open_.back() != name)
        fail(std::string(kIllFormed) + "expected `</" + std::string(open_.back()) + ">`, but `</" +
             std::string(name) + ">` was found");
    open_.pop_back();
}

Event Reader::text_run(Token cur) {
    std::string& buf = buffers_[buffer_];
    // The usual run: one piece of character data that a tag ends. The tag is left for the
    // next event.
    if (cur.kind == Tok::Chars && cur.end + 1 < in_.size() && in_[cur.end + 1] != '!' && in_[cur.end + 1] != '?') {
        Event e;
        std::string_view piece = trim_end(trim_start(in_.substr(cur.begin, cur.end - cur.begin)));
        if (piece.empty()) return e;  // Eof marks "no text event"
        e.kind = EventKind::Text;
        if (plain(piece)) {
            e.text = piece;
        } else {
            buf.clear();
            unescape(piece, buf);
            e.text = buf;
            buffer_ ^= 1;
        }
        return e;
    }
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
    for (;;) {
        Token nxt = lex();
        while (nxt.kind == Tok::Comment || nxt.kind == Tok::PI) nxt = lex();
        const bool last = !(nxt.kind == Tok::Chars || nxt.kind == Tok::CData);
        if (cur.kind == Tok::Chars) {
            std::string_view piece = in_.substr(cur.begin, cur.end - cur.begin);
            if (first) piece = trim_start(piece);
            if (last) piece = trim_end(piece);
            if (!piece.empty()) append(piece, true);
        } else {
            append(in_.substr(cur.begin, cur.end - cur.begin), false);
        }
        first = false;
        if (last) {
            pending_ = nxt;
            have_pending_ = true;
            break;
        }
        cur = nxt;
    }
    Event e;
    if (!any) return e;  // Eof marks "no text event"
    e.kind = EventKind::Text;
    if (buffered) {
        e.text = buf;
        buffer_ ^= 1;
    } else {
        e.text = result;
    }
    return e;
}

Event Reader::produce() {
    if (pending_end_) {
        pending_end_ = false;
        Event e;
        e.kind = EventKind::End;
        e.name = pending_end_name_;
        return e;
    }
    for (;;) {
        Token t = take();
        switch (t.kind) {
            case Tok::Error:
                fail(std::move(error_));
            case Tok::Start: {
                Event e = start_event(t);
                open_.push_back(e.name);
                return e;
            }
            case Tok::Empty: {
                Event e = start_event(t);
                pending_end_ = true;
                pending_end_name_ = e.name;
                return e;
            }
            case Tok::End: {
                std::string_view name = trim_end(in_.substr(t.begin, t.end - t.begin));
                close(name);
                if (!abandoned_.empty() && abandoned_.back() == open_.size() + 1) {
                    abandoned_.pop_back();
                    continue;
                }
                Event e;
                e.kind = EventKind::End;
                e.name = name;
                return e;
            }
            case Tok::Chars:
            case Tok::CData: {
                Event e = text_run(t);
                if (e.kind == EventKind::Text) return e;
                continue;
            }
            case Tok::Comment:
            case Tok::PI:
            case Tok::DocType:
                continue;
            case Tok::Eof:
                return Event{};
        }
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
    std::size_t depth = 1;
    for (;;) {
        Token t = take();
        switch (t.kind) {
            case Tok::Error:
                fail(std::move(error_));
            case Tok::Start: {
                open_.push_back(in_.substr(t.begin, t.name_end - t.begin));
                ++depth;
                break;
            }
            case Tok::End:
                close(trim_end(in_.substr(t.begin, t.end - t.begin)));
                if (--depth == 0) return in_.substr(start.offset, pos_ - start.offset);
                break;
            case Tok::Eof:
                fail_unclosed(start.name);
            default:
                break;
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
        Event e = next();
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
