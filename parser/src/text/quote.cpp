#include "text/quote.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The end of the run of plain ASCII bytes from `i`: sixteen bytes at a time where the processor
// offers it.
std::size_t plain_run_end(const unsigned char* p, std::size_t i, std::size_t n) {
#if defined(__SSE2__)
    const __m128i space = _mm_set1_epi8(0x1F), del = _mm_set1_epi8(0x7F), quote = _mm_set1_epi8('"'),
                  backslash = _mm_set1_epi8('\\');
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        // Compared as signed bytes, those from 0x80 up are below 0x1F.
        const __m128i printable = _mm_and_si128(_mm_cmpgt_epi8(v, space), _mm_cmplt_epi8(v, del));
        const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(v, quote), _mm_cmpeq_epi8(v, backslash));
        const unsigned stop = static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(special, printable))) ^ 0xFFFFu;
        if (stop) return i + static_cast<std::size_t>(std::countr_zero(stop));
    }
#endif
    while (i < n && plain_ascii(p[i])) ++i;
    return i;
}

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
        const std::size_t j = plain_run_end(p, i, n);
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
