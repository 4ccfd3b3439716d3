#include "bind/messages.hpp"

#include "text/quote.hpp"

namespace quaymark::bind {
namespace {

std::string with_list(std::string head, std::span<const std::string_view> names, const char* none) {
    if (names.empty()) return head + ", " + none;
    head += ", expected ";
    if (names.size() == 1) return head + "`" + std::string(names[0]) + "`";
    if (names.size() == 2)
        return head + "`" + std::string(names[0]) + "` or `" + std::string(names[1]) + "`";
    head += "one of ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i) head += ", ";
        head += "`";
        head += names[i];
        head += "`";
    }
    return head;
}

}  // namespace

std::string missing_field(std::string_view name) { return "missing field `" + std::string(name) + "`"; }

std::string duplicate_field(std::string_view name) {
    return "duplicate field `" + std::string(name) + "`";
}

std::string unknown_field(std::string_view key, std::span<const std::string_view> expected) {
    return with_list("unknown field `" + std::string(key) + "`", expected, "there are no fields");
}

std::string unknown_variant(std::string_view text, std::span<const std::string_view> expected) {
    return with_list("unknown variant `" + std::string(text) + "`", expected, "there are no variants");
}

std::string invalid_type(std::string_view text, std::string_view expected) {
    std::string m = "invalid type: string ";
    text::append_quoted(m, text);
    m += ", expected ";
    m += expected;
    return m;
}

std::string unexpected_start(std::string_view qname) {
    std::string m = "unexpected `Event::Start(\"";
    for (unsigned char c : qname) {
        if (c == '"') {
            m += "\\\"";
        } else if (c >= 0x20 && c < 0x7F) {
            m.push_back(static_cast<char>(c));
        } else {
            static const char hex[] = "0123456789ABCDEF";
            m += "0x";
            if (c >= 0x10) m.push_back(hex[c >> 4]);
            m.push_back(hex[c & 0xF]);
        }
    }
    m += "\")`";
    return m;
}

std::string not_closed(std::string_view qname) {
    return "ill-formed document: start tag not closed: `</" + std::string(qname) +
           ">` not found before end of input";
}

}  // namespace quaymark::bind
