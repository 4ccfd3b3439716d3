// Groups read from a holder's leftover entries: the group's elements stand directly among the
// holder's children. Each kept child element whose local name a field of the group accepts is
// read again from its markup by that field's value reader, as one value (a list field takes
// it as a list of one item). Whatever goes wrong makes the group absent, never an error: a
// second element for the same field, a value that does not read (an unaccepted enumeration
// text, child elements where text is expected), or a required field left without a value.
#pragma once

#include <optional>

#include "bind/leftovers.hpp"
#include "bind/read.hpp"

namespace quaymark::bind {

namespace detail {

template <class M>
void read_flattened_value(std::string_view markup, M& member) {
    xml::Reader r = xml::Reader::fragment(markup);
    xml::Event start = r.next();
    if constexpr (is_optional_v<M>) {
        using X = typename M::value_type;
        if constexpr (is_vector_v<X>) member = X{read_element<typename X::value_type>(r, start)};
        else member = read_element<X>(r, start);
    } else if constexpr (is_vector_v<M>) {
        member = M{read_element<typename M::value_type>(r, start)};
    } else {
        member = read_element<M>(r, start);
    }
}

template <class G, std::size_t I>
bool claim(G& group, std::uint64_t& seen, std::string_view key, std::string_view markup, bool& claimed) {
    constexpr const auto& f = std::get<I>(Describe<G>::fields);
    using F = std::remove_cvref_t<decltype(f)>;
    if constexpr (F::merged) {
        return true;
    } else {
        if (claimed || !f.accepts(key)) return true;
        claimed = true;
        constexpr std::uint64_t bit = std::uint64_t{1} << I;
        if (seen & bit) return false;
        seen |= bit;
        read_flattened_value(markup, group.*(F::member));
        return true;
    }
}

template <class G, std::size_t... I>
bool claim_all(G& group, std::uint64_t& seen, const Leftover& entry, std::index_sequence<I...>) {
    bool claimed = false;
    const std::string_view key = entry.element_key();
    return (claim<G, I>(group, seen, key, entry.span, claimed) && ...);
}

template <class G, std::size_t I>
bool required_present(std::uint64_t seen) {
    constexpr const auto& f = std::get<I>(Describe<G>::fields);
    using F = std::remove_cvref_t<decltype(f)>;
    if constexpr (!F::merged && !is_optional_v<member_t<F::member>>) return (seen >> I) & 1;
    else return true;
}

}  // namespace detail

// Whether a field of the group G takes the element whose local name is `key`.
template <Record G>
bool group_accepts(std::string_view key) {
    return detail::find_field<G>(key) != field_count<G>;
}

template <Record G>
std::optional<G> read_flattened(const Leftovers& entries) {
    using Seq = std::make_index_sequence<field_count<G>>;
    G group{};
    std::uint64_t seen = 0;
    try {
        for (const Leftover& e : entries) {
            if (e.kind != Leftover::Kind::Element) continue;
            if (!detail::claim_all(group, seen, e, Seq{})) return std::nullopt;
        }
    } catch (const ParseError&) {
        return std::nullopt;
    }
    bool complete = [&]<std::size_t... I>(std::index_sequence<I...>) {
        return (detail::required_present<G, I>(seen) && ...);
    }(Seq{});
    if (!complete) return std::nullopt;
    return group;
}

}  // namespace quaymark::bind
