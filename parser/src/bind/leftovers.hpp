// Leftover entries: what a record keeps of its element besides its own fields, in document
// order (attributes first), for a merged part to read after the element's end tag. Child
// elements are kept as spans of the input, checked in full when kept so that reading them
// again cannot fail on markup.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xml/reader.hpp"

namespace quaymark::bind {

struct Leftover {
    enum class Kind : std::uint8_t { Attribute, Text, Element };
    Kind kind;
    std::string key;          // "@" and the attribute's local name, "$text", or a local name
    std::string value;        // Attribute and Text: the expanded text
    std::string_view markup;  // Element: its whole markup in the input
};
using Leftovers = std::vector<Leftover>;

// "@" and the attribute's local name; a namespace declaration keeps its whole name.
std::string attribute_key(std::string_view qname);

// Keeps every attribute of `start` (checked, values expanded).
void keep_attributes(const xml::Event& start, Leftovers& out);
// Keeps the child element whose start is the reader's next event, read and checked whole.
void keep_element(xml::Reader& r, Leftovers& out);

// The text standing directly inside a kept element: its last stretch when child elements
// split it, absent when it holds none.
std::optional<std::string> direct_text(std::string_view markup);

}  // namespace quaymark::bind
