// The wording of every binding message.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "xml/error.hpp"

namespace quaymark::bind {

std::string missing_field(std::string_view name);
std::string duplicate_field(std::string_view name);
// "unknown field `K`, expected `A`" / "... `A` or `B`" / "... one of `A`, `B`, `C`" /
// "unknown field `K`, there are no fields".
std::string unknown_field(std::string_view key, std::span<const std::string_view> expected);
// The same forms for enumeration texts ("there are no variants" with none).
std::string unknown_variant(std::string_view text, std::span<const std::string_view> expected);
// "invalid type: string \"T\", expected X" with T quoted and escaped.
std::string invalid_type(std::string_view text, std::string_view expected);
// "unexpected `Event::Start(\"Q\")`" with Q written byte by byte.
std::string unexpected_start(std::string_view qname);
// "ill-formed document: start tag not closed: `</Q>` not found before end of input".
std::string not_closed(std::string_view qname);

[[noreturn]] inline void fail_not_closed(std::string_view qname) { fail(not_closed(qname)); }

}  // namespace quaymark::bind
