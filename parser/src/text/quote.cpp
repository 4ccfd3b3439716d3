#include "text/quote.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quaymark::text {

using namespace std::string_view_literals;
namespace {

struct Range {
    std::uint32_t lo, hi;
};

constexpr Range kEscaped[] = {
#include "text/unicode_tables.inc"
};

bool needs_escape(std::uint32_t cp) {
    const Range* end = std::end(kEscaped);
    const Range* it = std::upper_bound(std::begin(kEscaped), end, cp,
                                       [](std::uint32_t v, const Range& r) { return v < r.lo; });
    return it != std::begin(kEscaped) && cp <= (it - 1)->hi;
}

// ASCII bytes that stand as themselves.
constexpr bool plain_ascii(unsigned char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; }

void append_hex_escape(std::string& out, std::uint32_t cp) {
    char buf[16];
    int n = 0;
    do {
        buf[n++] = "0123456789abcdef"[cp & 0xF];
        cp >>= 4;
    } while (cp);
    out += "\\u{"sv;
    while (n) out.push_back(buf[--n]);
    out.push_back('}');
}

}  // namespace

void append_quoted(std::string& out, std::string_view s) {
    out.push_back('"');
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        // Copy the longest run of plain ASCII in one go.
        std::size_t j = i;
        while (j < n && plain_ascii(p[j])) ++j;
        out.append(s.data() + i, j - i);
        i = j;
        if (i >= n) break;
        unsigned char c = p[i];
        if (c < 0x80) {
            switch (c) {
                case '\0': out += "\\0"sv; break;
                case '\t': out += "\\t"sv; break;
                case '\n': out += "\\n"sv; break;
                case '\r': out += "\\r"sv; break;
                case '\\': out += "\\\\"sv; break;
                case '"': out += "\\\""sv; break;
                default: append_hex_escape(out, c); break;
            }
            ++i;
            continue;
        }
        // The input is valid UTF-8: decode one character.
        std::uint32_t cp;
        std::size_t len;
        if (c < 0xE0) {
            cp = c & 0x1F;
            len = 2;
        } else if (c < 0xF0) {
            cp = c & 0x0F;
            len = 3;
        } else {
            cp = c & 0x07;
            len = 4;
        }
        if (i + len > n) len = n - i;  // defensive: never read past the text
        for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (p[i + k] & 0x3F);
        if (needs_escape(cp)) append_hex_escape(out, cp);
        else out.append(s.data() + i, len);
        i += len;
    }
    out.push_back('"');
}

}  // namespace quaymark::text
