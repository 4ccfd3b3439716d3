// Writing a text between double quotes with the escapes the system uses everywhere a text is
// shown: in the text form and in "invalid type" messages.
#pragma once

#include <string>
#include <string_view>

namespace quaymark::text {

// Appends `s` (UTF-8) to `out` between double quotes: \0 \t \n \r \\ \" as two-character
// escapes, unprintable and combining characters as \u{hex}, everything else as it is.
void append_quoted(std::string& out, std::string_view s);

inline std::string quoted(std::string_view s) {
    std::string out;
    append_quoted(out, s);
    return out;
}

}  // namespace quaymark::text
