// Leftover entries: what a record keeps of its element besides its own fields, in document
// order (attributes first), for a merged part to read after the element's end tag. Child
// elements are kept as spans of the input, checked in full when kept so that reading them
// again cannot fail on markup. An entry is two words and a tag, whatever it stands for, so that
// a flood of tiny children costs a small multiple of their own size.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "xml/reader.hpp"

namespace quaymark::bind {

struct Leftover {
    enum class Kind : std::uint8_t { Attribute, Text, Element };
    // Attribute: its qualified name; Element: its whole markup in the input; Text: nothing
    // (the text was checked when it was read; no reader asks for it).
    std::string_view span;
    Kind kind;

    // An element's key: its local name.
    std::string_view element_key() const;
    // The key: "@" and the attribute's local name (a namespace declaration keeps its whole
    // name), "$text", or the element's local name.
    std::string key() const;
};
// A deque grows without copying what it holds, so keeping entries never needs twice their room.
using Leftovers = std::deque<Leftover>;
// The entries of a record being read, made at the first one: even an empty deque allocates,
// and most records keep nothing.
using KeptEntries = std::optional<Leftovers>;
// The entries kept, none when nothing was.
const Leftovers& entries_of(const KeptEntries& kept);

// "@" and the attribute's local name; a namespace declaration keeps its whole name.
std::string attribute_key(std::string_view qname);

// Keeps every attribute of `start` (checked, values expanded to check them).
void keep_attributes(const xml::Event& start, KeptEntries& out);
// Keeps the child element whose start is the reader's next event, read and checked whole.
void keep_element(xml::Reader& r, KeptEntries& out);
// Keeps the text the record's element holds directly.
void keep_text(KeptEntries& out);

// The text standing directly inside a kept element: its last stretch when child elements
// split it, absent when it holds none.
std::optional<std::string> direct_text(std::string_view markup);

}  // namespace quaymark::bind
