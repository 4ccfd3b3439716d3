// The text form: the one-line rendering of any value of a record tree, driven by the same
// descriptions as reading.
//   record            Name { field: value, other: value }   (a record without fields: Name)
//   optional          None | Some(value)
//   list              [a, b]
//   text              "..." with escapes
//   enumeration       its variant name
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "bind/describe.hpp"
#include "text/quote.hpp"

namespace quaymark::bind {

using namespace std::string_view_literals;

template <class T>
void render(std::string& out, const T& v);

namespace detail {

// What comes before the value of the field at position I, made once: " { name: " for the first
// field, ", name: " for the others.
template <class T, std::size_t I>
inline constexpr auto field_prefix = [] {
    constexpr std::string_view lead = I == 0 ? " { " : ", ";
    constexpr std::string_view name = std::get<I>(Describe<T>::fields).text_name;
    std::array<char, lead.size() + name.size() + 2> out{};
    std::size_t k = 0;
    for (char c : lead) out[k++] = c;
    for (char c : name) out[k++] = c;
    out[k++] = ':';
    out[k++] = ' ';
    return out;
}();

template <class T, std::size_t... I>
void render_fields(std::string& out, const T& rec, std::index_sequence<I...>) {
    (
        [&] {
            constexpr const auto& prefix = field_prefix<T, I>;
            out.append(prefix.data(), prefix.size());
            render(out, rec.*(std::remove_cvref_t<decltype(std::get<I>(Describe<T>::fields))>::member));
        }(),
        ...);
    out.append(" }", 2);
}

template <class I>
void render_integer(std::string& out, I v) {
    char buf[16];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

}  // namespace detail

template <class T>
void render(std::string& out, const T& v) {
    if constexpr (std::is_same_v<T, std::string>) {
        text::append_quoted(out, v);
    } else if constexpr (std::is_same_v<T, bool>) {
        out += v ? "true"sv : "false"sv;
    } else if constexpr (std::is_same_v<T, std::uint32_t> || std::is_same_v<T, std::int32_t>) {
        detail::render_integer(out, v);
    } else if constexpr (Enumeration<T>) {
        out += EnumInfo<T>::variants[static_cast<std::size_t>(v)];
    } else if constexpr (is_optional_v<T>) {
        if (!v) {
            out += "None"sv;
        } else {
            out += "Some("sv;
            render(out, *v);
            out += ')';
        }
    } else if constexpr (is_vector_v<T>) {
        out += '[';
        bool first = true;
        for (const auto& item : v) {
            if (!first) out += ", "sv;
            first = false;
            render(out, item);
        }
        out += ']';
    } else if constexpr (HasOwnRender<T>) {
        Describe<T>::render(out, v);
    } else {
        out += Describe<T>::name;
        constexpr std::size_t n = field_count<T>;
        if constexpr (n > 0) detail::render_fields(out, v, std::make_index_sequence<n>{});
    }
}

template <class T>
std::string text_form(const T& v) {
    std::string out;
    render(out, v);
    return out;
}

}  // namespace quaymark::bind
