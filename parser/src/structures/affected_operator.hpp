// AffectedOperator and the union AffectedOperatorType: the operators a situation affects.
//
// In an "Affects" element the operators stand inside "Operators" wrapper elements; each child
// of a wrapper is one item, its variant chosen by the child's local name: "allOperators"
// (whatever it holds is skipped) or "affectedOperator" (read as an AffectedOperator). The items
// of a run of wrappers are concatenated in document order, and a wrapper without items still
// makes the list present. Any other child name, and non-blank text inside or between the
// wrappers, is an unknown variant.
#pragma once

#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "bind/describe.hpp"
#include "xml/reader.hpp"

namespace quaymark::structures {

struct AffectedOperator {
    std::string operator_ref;
};

struct AffectedOperatorType {
    struct AllOperators {};
    std::variant<AllOperators, AffectedOperator> value;
};

// One item from its opened element.
AffectedOperatorType read_affected_operator_type(xml::Reader& r, const xml::Event& start);
// The items of the run of "Operators" wrappers whose first element is the reader's next event.
std::vector<AffectedOperatorType> read_operators(xml::Reader& r);
void render_affected_operator_type(std::string& out, const AffectedOperatorType& v);

}  // namespace quaymark::structures

template <>
struct quaymark::bind::Describe<quaymark::structures::AffectedOperator> {
    using T = structures::AffectedOperator;
    static constexpr std::string_view name = "AffectedOperator";
    static constexpr auto fields = std::tuple{
        field<&T::operator_ref>("operator_ref", "OperatorRef"),
    };
};

template <>
struct quaymark::bind::Describe<quaymark::structures::AffectedOperatorType> {
    using T = structures::AffectedOperatorType;
    static constexpr std::string_view name = "AffectedOperatorType";
    static constexpr std::tuple<> fields{};
    static T read(xml::Reader& r, const xml::Event& start) { return structures::read_affected_operator_type(r, start); }
    static std::vector<T> read_list(xml::Reader& r) { return structures::read_operators(r); }
    static void render(std::string& out, const T& v) { structures::render_affected_operator_type(out, v); }
};
