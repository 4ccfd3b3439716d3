// Reading values from elements, driven by the descriptions of describe.hpp.
//
// `read_element<T>(r, start)` reads a T from the element whose start event `start` has just
// been consumed, up to and including its end tag. Records are read field by field: a child
// whose local name a field accepts fills it (a second time is "duplicate field"), any other
// child is skipped whole (or kept as a leftover entry by a record with `finish`), text and
// attributes of the record's own element are passed over, and at the end tag the first
// required field without a value is "missing field".
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bind/describe.hpp"
#include "bind/leftovers.hpp"
#include "bind/messages.hpp"
#include "xml/reader.hpp"

namespace quaymark::bind {

// The text of a text-valued element (start consumed): empty when it holds nothing, the
// unexpected-start message for a child element. The view lasts until the next text event.
// `start` may be the event as the reader holds it. The usual content is read in one step; the
// rest event by event (read_text_events).
std::string_view read_text_events(xml::Reader& r, const xml::Event& start);
inline std::string_view read_text_view(xml::Reader& r, const xml::Event& start) {
    std::string_view text;
    if (r.plain_text_element(text)) return text;
    return read_text_events(r, start);  // anything else, read event by event
}

// The scalar rules; false when the text does not convert.
bool parse_bool(std::string_view s, bool& out);
bool parse_u32(std::string_view s, std::uint32_t& out);
bool parse_i32(std::string_view s, std::int32_t& out);

// The variant whose accepted text equals `text`, or none.
template <Enumeration E>
std::optional<E> find_variant(std::string_view text) {
    const auto& texts = EnumInfo<E>::texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i] == text) return static_cast<E>(i);
    return std::nullopt;
}

// The variant matcher: the variant, or "unknown variant `T`, expected ...".
template <Enumeration E>
E match_variant(std::string_view text) {
    if (auto v = find_variant<E>(text)) return *v;
    fail(unknown_variant(text, EnumInfo<E>::texts));
}

template <class T>
T read_element(xml::Reader& r, const xml::Event& start);
template <class T>
void read_element_into(xml::Reader& r, const xml::Event& start, T& out);

// Reads a value from the child element that is the reader's next event.
template <class T>
T read_child(xml::Reader& r) {
    xml::Event start = r.next();
    return read_element<T>(r, start);
}

// A value read from the text of its element.
template <class T>
concept TextValue = std::is_same_v<T, std::string> || std::is_same_v<T, bool> || std::is_same_v<T, std::uint32_t> ||
                    std::is_same_v<T, std::int32_t> || Enumeration<T>;

// Reads a value from the child element that is the reader's next event into `out`, which
// holds no value yet. A text value needs nothing of its start event but the name, which the
// text reader keeps itself: the event is read where the reader holds it, not copied (a copy
// read back so soon after the event is written costs more than the rest of a short element).
template <class T>
void read_child_into(xml::Reader& r, T& out) {
    if constexpr (TextValue<T>) {
        read_element_into(r, r.next(), out);
    } else {
        xml::Event start = r.next();
        read_element_into(r, start, out);
    }
}

// Reads the run of consecutive siblings with the qualified name of the next event, each one
// item; a text run between items is an item of a list of text and an error otherwise. An item
// type with a list reader of its own reads the whole field itself.
namespace detail {

// Makes room for one more item of a list whose first item began `begin` bytes before the end of
// the input. A short list grows by doubling. A long one would go on doubling, and each doubling
// holds the old items and their new places at once, while the places it leaves behind stay in the
// heap: a list that fills most of the document would need about twice its size. Past 1024 items
// it grows instead to the number of items the rest of the input holds at the size its items have
// had so far (with a margin), at least a quarter more and at most eight times its length: such a
// list is moved once or twice more and ends close to its size.
template <class T>
void make_room(std::vector<T>& items, const xml::Reader& r, std::size_t begin) {
    const std::size_t n = items.size();
    if (n < items.capacity() || n < 1024) return;
    const std::size_t per_item = std::max<std::size_t>(1, (begin - r.remaining()) / n);
    const std::size_t estimate = n + r.remaining() / per_item;
    items.reserve(std::min(8 * n, std::max(n + n / 4, estimate + estimate / 16)));
}

}  // namespace detail

template <class T>
std::vector<T> read_list(xml::Reader& r) {
    if constexpr (HasOwnListReader<T>) return Describe<T>::read_list(r);
    // Items are read in place, not built aside and moved in.
    std::vector<T> items;
    const std::size_t begin = r.remaining();
    xml::Event first = r.next();
    const std::string_view qname = first.name;
    read_element_into(r, first, items.emplace_back());
    for (;;) {
        const xml::Event& ev = r.peek();
        if (ev.kind == xml::EventKind::Start && xml::same_name(ev.name, qname)) {
            xml::Event s = r.next();
            detail::make_room(items, r, begin);
            read_element_into(r, s, items.emplace_back());
        } else if (ev.kind == xml::EventKind::Text) {
            if constexpr (std::is_same_v<T, std::string>) {
                items.emplace_back(ev.text);
                r.next();
            } else {
                fail(invalid_type(ev.text, expected_text<T>()));
            }
        } else {
            return items;
        }
    }
}

// Reads a field's value into `member`, which holds no value yet, by the multiplicity its type
// gives. A single value is read in place, not built aside and moved in.
template <class M>
void read_into(xml::Reader& r, M& member) {
    if constexpr (is_optional_v<M>) {
        using X = typename M::value_type;
        if constexpr (is_vector_v<X>) member = read_list<typename X::value_type>(r);
        else read_child_into(r, member.emplace());
    } else if constexpr (is_vector_v<M>) {
        member = read_list<typename M::value_type>(r);
    } else {
        read_child_into(r, member);
    }
}

namespace detail {

// A record's element names, each with the position of the field that accepts it, sorted once
// at compile time from the description: by length, first and last byte packed into one key
// (which tells most names apart in one comparison), then by field position, so that a name two
// fields accept goes to the first of them.
struct FieldName {
    std::uint32_t key;
    std::string_view name;
    std::size_t field;
};

constexpr std::uint32_t name_key(std::string_view s) {
    if (s.empty()) return 0;
    return static_cast<std::uint32_t>(s.size()) << 16 | static_cast<std::uint32_t>(static_cast<unsigned char>(s.front())) << 8 |
           static_cast<unsigned char>(s.back());
}

template <class T>
inline constexpr auto field_names = []<std::size_t... I>(std::index_sequence<I...>) {
    std::array<FieldName, (std::get<I>(Describe<T>::fields).names.size() + ... + 0)> out{};
    [[maybe_unused]] std::size_t k = 0;
    (
        [&] {
            for (std::string_view n : std::get<I>(Describe<T>::fields).names) out[k++] = {name_key(n), n, I};
        }(),
        ...);
    std::sort(out.begin(), out.end(), [](const FieldName& a, const FieldName& b) {
        return a.key != b.key ? a.key < b.key : a.field < b.field;
    });
    return out;
}(std::make_index_sequence<field_count<T>>{});

// The position of the field that accepts the element name `key`, or field_count<T> for none.
template <class T>
constexpr std::size_t find_field(std::string_view key) {
    const auto& names = field_names<T>;
    const std::uint32_t k = name_key(key);
    auto it = std::lower_bound(names.begin(), names.end(), k,
                               [](const FieldName& e, std::uint32_t v) { return e.key < v; });
    for (; it != names.end() && it->key == k; ++it)
        if (xml::same_name(it->name, key)) return it->field;
    return field_count<T>;
}

// Children mostly come in the order of the fields, so the field after the last one filled is
// tried first, by its first element name, before the lookup. The names by field position (one
// past the last field expects nothing); a name is left empty where it would not lead to its
// field (a merged field, or an earlier field that accepts the same name).
template <class T>
inline constexpr auto expected_names = []<std::size_t... I>(std::index_sequence<I...>) {
    std::array<std::string_view, sizeof...(I) + 1> out{};
    (
        [&] {
            const auto& names = std::get<I>(Describe<T>::fields).names;
            if constexpr (names.size() > 0)
                if (find_field<T>(names[0]) == I) out[I] = names[0];
        }(),
        ...);
    return out;
}(std::make_index_sequence<field_count<T>>{});

// The position of the field that accepts the element name `key`, `expected` tried first.
template <class T>
std::size_t find_field_from(std::size_t expected, std::string_view key) {
    const std::string_view name = expected_names<T>[expected];
    if (!name.empty() && xml::same_name(name, key)) return expected;
    return find_field<T>(key);
}

template <class T, std::size_t I>
void fill_field([[maybe_unused]] xml::Reader& r, [[maybe_unused]] T& rec, [[maybe_unused]] std::uint64_t& seen) {
    constexpr const auto& f = std::get<I>(Describe<T>::fields);
    if constexpr (!std::remove_cvref_t<decltype(f)>::merged) {  // no element fills a merged field
        constexpr std::uint64_t bit = std::uint64_t{1} << I;
        if (seen & bit) fail(duplicate_field(f.names[0]));
        seen |= bit;
        read_into(r, rec.*(std::remove_cvref_t<decltype(f)>::member));
    }
}

// Fills the field at position `field` from the child that is the reader's next event; false when
// there is no such field.
template <class T, std::size_t... I>
bool fill_at([[maybe_unused]] xml::Reader& r, [[maybe_unused]] T& rec, [[maybe_unused]] std::uint64_t& seen,
             std::size_t field, std::index_sequence<I...>) {
    return ((I == field && (fill_field<T, I>(r, rec, seen), true)) || ...);
}

// Fills the field that accepts the element name `key` from the child that is the reader's next
// event; false when no field does.
template <class T, std::size_t... I>
bool dispatch(xml::Reader& r, T& rec, std::uint64_t& seen, std::string_view key, std::index_sequence<I...> seq) {
    return fill_at(r, rec, seen, find_field<T>(key), seq);
}

template <class T, std::size_t I>
void check_required([[maybe_unused]] std::uint64_t seen) {
    constexpr const auto& f = std::get<I>(Describe<T>::fields);
    using F = std::remove_cvref_t<decltype(f)>;
    if constexpr (!F::merged && !is_optional_v<member_t<F::member>>) {
        if (!(seen & (std::uint64_t{1} << I))) fail(missing_field(f.names[0]));
    }
}

template <class T, std::size_t... I>
void check_all_required([[maybe_unused]] std::uint64_t seen, std::index_sequence<I...>) {
    (check_required<T, I>(seen), ...);
}

}  // namespace detail

// Reads a record by the rules above (start consumed) into `rec`, which holds no value yet.
template <Record T>
void read_record_into(xml::Reader& r, const xml::Event& start, T& rec) {
    constexpr std::size_t n = field_count<T>;
    static_assert(n <= 64, "a record has at most 64 fields");
    using Seq = std::make_index_sequence<n>;
    constexpr bool keeps = HasFinish<T>;
    // A record that keeps only some children (HasKeepFilter) treats its attributes, its text and
    // every other child as any record does.
    constexpr bool keeps_all = keeps && !HasKeepFilter<T>;
    std::uint64_t seen = 0;
    std::size_t expected = 0;  // the position after the field filled last
    [[maybe_unused]] KeptEntries left;
    if constexpr (keeps_all) keep_attributes(start, left);
    else xml::Reader::check_attributes(start);
    for (;;) {
        const xml::Event& ev = r.peek();
        switch (ev.kind) {
            case xml::EventKind::End:
                r.next();
                detail::check_all_required<T>(seen, Seq{});
                if constexpr (keeps) Describe<T>::finish(rec, entries_of(left));
                return;
            case xml::EventKind::Text:
                if constexpr (keeps_all) keep_text(left);
                r.next();
                break;
            case xml::EventKind::Start: {
                const std::size_t field = detail::find_field_from<T>(expected, ev.local);
                if (detail::fill_at(r, rec, seen, field, Seq{})) {
                    expected = field + 1;
                } else {
                    bool keep = keeps_all;
                    if constexpr (keeps && !keeps_all) keep = Describe<T>::keeps(ev.local);
                    if (keep) {
                        keep_element(r, left);
                    } else {
                        xml::Event child = r.next();
                        r.skip(child);
                    }
                }
                break;
            }
            case xml::EventKind::Eof:
                fail_not_closed(start.name);
        }
    }
}

template <Record T>
T read_record(xml::Reader& r, const xml::Event& start) {
    T rec{};
    read_record_into(r, start, rec);
    return rec;
}

template <class T>
void read_element_into(xml::Reader& r, const xml::Event& start, T& out) {
    if constexpr (Record<T> && !HasOwnReader<T>) read_record_into(r, start, out);
    else if constexpr (std::is_same_v<T, std::string>) out.assign(read_text_view(r, start));
    else out = read_element<T>(r, start);
}

template <class T>
T read_element(xml::Reader& r, const xml::Event& start) {
    if constexpr (std::is_same_v<T, std::string>) {
        return std::string(read_text_view(r, start));
    } else if constexpr (std::is_same_v<T, bool>) {
        std::string_view s = read_text_view(r, start);
        bool v;
        if (!parse_bool(s, v)) fail(invalid_type(s, "a boolean"));
        return v;
    } else if constexpr (std::is_same_v<T, std::uint32_t>) {
        std::string_view s = read_text_view(r, start);
        std::uint32_t v;
        if (!parse_u32(s, v)) fail(invalid_type(s, "u32"));
        return v;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        std::string_view s = read_text_view(r, start);
        std::int32_t v;
        if (!parse_i32(s, v)) fail(invalid_type(s, "i32"));
        return v;
    } else if constexpr (Enumeration<T>) {
        std::string_view s = read_text_view(r, start);
        return match_variant<T>(s.empty() ? std::string_view("$text") : s);
    } else if constexpr (HasOwnReader<T>) {
        return Describe<T>::read(r, start);
    } else {
        return read_record<T>(r, start);
    }
}

}  // namespace quaymark::bind
