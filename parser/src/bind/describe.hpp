// The declarative description of records and enumerations that drives reading, copying and
// the text form alike.
//
// A record is a plain struct; next to it stands one specialisation of `Describe`:
//
//     template <> struct bind::Describe<ServiceDeliveryInfo> {
//         static constexpr std::string_view name = "ServiceDeliveryInfo";
//         static constexpr auto fields = std::tuple{
//             bind::field<&ServiceDeliveryInfo::response_timestamp>("response_timestamp", "ResponseTimestamp"),
//             bind::field<&ServiceDeliveryInfo::producer_ref>("producer_ref", "ProducerRef"),
//         };
//     };
//
// Each field names its member, its text-form name and its element names (the first is the one
// messages use; the others are aliases). A field without element names is merged: no element
// fills it, the record's `finish` does. Multiplicity follows from the member's type:
// `T` required, `std::optional<T>` optional, `std::vector<T>` a required list,
// `std::optional<std::vector<T>>` an optional list. Value kinds: `std::string` (text), `bool`,
// `std::uint32_t`, `std::int32_t`, an enumeration (described by `EnumInfo`), a record.
//
// Optional members of a description:
//   static constexpr std::string_view expected;   // "invalid type" wording; default "struct NAME"
//   static T read(xml::Reader&, const xml::Event& start);  // a reader of its own
//   static void finish(T&, const Leftovers&);      // keep what the fields do not take, then finish
//   static bool keeps(std::string_view key);       // with `finish`: keep only the child elements
//                                                  // whose local names this accepts; every other
//                                                  // child, attribute and text is passed over as
//                                                  // in any record
//   static void render(std::string&, const T&);    // a text form of its own
//   static std::vector<T> read_list(xml::Reader&);  // a list field of T read its own way; the
//                                                   // field's first element is the next event
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

namespace quaymark::bind {

template <class T>
struct Describe;

// An enumeration: `enum class E : std::uint8_t { ... }` with this beside it, the arrays in the
// order of the enumerators:
//     template <> struct bind::EnumInfo<E> {
//         static constexpr std::string_view name = "E";
//         static constexpr std::array<std::string_view, 2> texts{"shortTrain", "longTrain"};
//         static constexpr std::array<std::string_view, 2> variants{"ShortTrain", "LongTrain"};
//     };
template <class T>
struct EnumInfo;

template <auto Member, std::size_t N>
struct Field {
    static constexpr auto member = Member;
    static constexpr bool merged = N == 0;
    std::array<std::string_view, N> names;
    std::string_view text_name;

    constexpr bool accepts(std::string_view key) const {
        for (auto n : names)
            if (n == key) return true;
        return false;
    }
};

template <auto Member, class... Names>
constexpr Field<Member, sizeof...(Names)> field(std::string_view text_name, Names... names) {
    return {{std::string_view(names)...}, text_name};
}

template <class>
struct member_traits;
template <class C, class M>
struct member_traits<M C::*> {
    using owner = C;
    using type = M;
};
template <auto Member>
using member_t = typename member_traits<decltype(Member)>::type;

template <class T>
struct is_optional : std::false_type {};
template <class T>
struct is_optional<std::optional<T>> : std::true_type {};
template <class T>
inline constexpr bool is_optional_v = is_optional<T>::value;

template <class T>
struct is_vector : std::false_type {};
template <class T, class A>
struct is_vector<std::vector<T, A>> : std::true_type {};
template <class T>
inline constexpr bool is_vector_v = is_vector<T>::value;

template <class T>
concept Record = requires { Describe<T>::name; };
template <class T>
concept Enumeration = requires { EnumInfo<T>::texts; };

template <class T>
concept HasOwnReader = requires { &Describe<T>::read; };
template <class T>
concept HasFinish = requires { &Describe<T>::finish; };
template <class T>
concept HasKeepFilter = requires(std::string_view key) { Describe<T>::keeps(key); };
template <class T>
concept HasOwnListReader = requires { &Describe<T>::read_list; };
template <class T>
concept HasOwnRender = requires { &Describe<T>::render; };
template <class T>
concept HasExpected = requires { Describe<T>::expected; };

template <class T>
inline constexpr std::size_t field_count = std::tuple_size_v<std::remove_cvref_t<decltype(Describe<T>::fields)>>;

// "struct NAME", or the record's own wording; the value kinds' own words otherwise.
template <class T>
std::string expected_text() {
    if constexpr (std::is_same_v<T, std::string>) return "a string";
    else if constexpr (std::is_same_v<T, bool>) return "a boolean";
    else if constexpr (std::is_same_v<T, std::uint32_t>) return "u32";
    else if constexpr (std::is_same_v<T, std::int32_t>) return "i32";
    else if constexpr (Enumeration<T>) return "enum " + std::string(EnumInfo<T>::name);
    else if constexpr (HasExpected<T>) return std::string(Describe<T>::expected);
    else return "struct " + std::string(Describe<T>::name);
}

}  // namespace quaymark::bind
