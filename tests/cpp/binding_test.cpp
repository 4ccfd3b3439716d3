// The binding engine on records made up for the test: field matching, multiplicity, the value
// rules, list runs, the messages and the text form.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace probe {

enum class Colour : std::uint8_t { Red, DarkBlue };

struct Inner {
    std::optional<std::string> a;
    std::string b;
};

struct Probe {
    std::optional<std::string> text;
    std::optional<bool> flag;
    std::optional<std::uint32_t> count;
    std::optional<std::int32_t> delta;
    std::optional<Colour> colour;
    std::optional<std::vector<std::string>> items;
    std::optional<std::vector<Inner>> inners;
    std::optional<Inner> inner;
    std::string req;
};

struct Empty {};

// Two fields accept "Shared": the first of them takes it.
struct Shared {
    std::optional<std::string> first;
    std::optional<std::string> second;
    std::optional<std::string> third;
};

}  // namespace probe

template <>
struct quaymark::bind::EnumInfo<probe::Colour> {
    static constexpr std::string_view name = "Colour";
    static constexpr std::array<std::string_view, 2> texts{"red", "darkBlue"};
    static constexpr std::array<std::string_view, 2> variants{"Red", "DarkBlue"};
};

template <>
struct quaymark::bind::Describe<probe::Inner> {
    using T = probe::Inner;
    static constexpr std::string_view name = "Inner";
    static constexpr auto fields = std::tuple{field<&T::a>("a", "A"), field<&T::b>("b", "B")};
};

template <>
struct quaymark::bind::Describe<probe::Empty> {
    static constexpr std::string_view name = "Empty";
    static constexpr std::tuple<> fields{};
};

template <>
struct quaymark::bind::Describe<probe::Shared> {
    using T = probe::Shared;
    static constexpr std::string_view name = "Shared";
    static constexpr auto fields = std::tuple{
        field<&T::first>("first", "First", "Shared"),
        field<&T::second>("second", "Shared"),
        field<&T::third>("third", "Third"),
    };
};

template <>
struct quaymark::bind::Describe<probe::Probe> {
    using T = probe::Probe;
    static constexpr std::string_view name = "Probe";
    static constexpr auto fields = std::tuple{
        field<&T::text>("text", "T", "Alias"),
        field<&T::flag>("flag", "Flag"),
        field<&T::count>("count", "Count"),
        field<&T::delta>("delta", "Delta"),
        field<&T::colour>("colour", "Colour"),
        field<&T::items>("items", "X"),
        field<&T::inners>("inners", "I"),
        field<&T::inner>("inner", "In"),
        field<&T::req>("req", "Req"),
    };
};

namespace {

using namespace quaymark;

template <class T>
std::string read(std::string_view doc) {
    try {
        xml::Reader r = xml::Reader::document(doc);
        xml::Event start = r.next();
        return bind::text_form(bind::read_element<T>(r, start));
    } catch (const ParseError& e) {
        return "ERROR: " + e.message();
    }
}

const std::string kNone =
    "text: None, flag: None, count: None, delta: None, colour: None, items: None, inners: None, inner: None";

struct Case {
    const char* doc;
    const char* expected;
};

class Binding : public ::testing::TestWithParam<Case> {};

TEST_P(Binding, Reads) {
    const Case& c = GetParam();
    std::string got = read<probe::Probe>(c.doc);
    std::string want = c.expected;
    if (!want.starts_with("ERROR: ")) want = "Probe { " + want + " }";
    EXPECT_EQ(got, want) << c.doc;
}

INSTANTIATE_TEST_SUITE_P(
    Values, Binding,
    ::testing::Values(
        // presence, absence, aliases and duplicates
        Case{"<P><Req>r</Req></P>", "text: None, flag: None, count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"r\""},
        Case{"<P/>", "ERROR: missing field `Req`"},
        Case{"<P><T/><Req/></P>", "text: Some(\"\"), flag: None, count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Alias>a</Alias><T>b</T><Req/></P>", "ERROR: duplicate field `T`"},
        Case{"<P><x:T>a</x:T><Req/></P>", "text: Some(\"a\"), flag: None, count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><t>a</t><Req/></P>", "text: None, flag: None, count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        // children no field accepts are skipped whole, text and attributes of the record passed over
        Case{"<P a=\"1\">junk<U><T>x</T><Deep><Deeper/></Deep></U><Req>r</Req>more</P>", "text: None, flag: None, count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"r\""},
        Case{"<P><U>&nbsp;</U><Req/></P>", "text: None, flag: None, count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P>&nbsp;<Req/></P>", "ERROR: at 1..5: unrecognized entity `nbsp`"},
        // errors among children come before missing fields
        Case{"<P><T>a</T><T>b</T></P>", "ERROR: duplicate field `T`"},
        Case{"<P><In/></P>", "ERROR: missing field `B`"},
        // booleans
        Case{"<P><Flag>true</Flag><Req/></P>", "text: None, flag: Some(true), count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Flag>0</Flag><Req/></P>", "text: None, flag: Some(false), count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Flag>True</Flag><Req/></P>", "ERROR: invalid type: string \"True\", expected a boolean"},
        Case{"<P><Flag/><Req/></P>", "ERROR: invalid type: string \"\", expected a boolean"},
        // unsigned and signed integers
        Case{"<P><Count> 42 </Count><Req/></P>", "text: None, flag: None, count: Some(42), delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Count>+007</Count><Req/></P>", "text: None, flag: None, count: Some(7), delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Count>4294967295</Count><Req/></P>", "text: None, flag: None, count: Some(4294967295), delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Count>4294967296</Count><Req/></P>", "ERROR: invalid type: string \"4294967296\", expected u32"},
        Case{"<P><Count>99999999999999999999999</Count><Req/></P>", "ERROR: invalid type: string \"99999999999999999999999\", expected u32"},
        Case{"<P><Count>-1</Count><Req/></P>", "ERROR: invalid type: string \"-1\", expected u32"},
        Case{"<P><Count>1.0</Count><Req/></P>", "ERROR: invalid type: string \"1.0\", expected u32"},
        Case{"<P><Count>+</Count><Req/></P>", "ERROR: invalid type: string \"+\", expected u32"},
        Case{"<P><Count/><Req/></P>", "ERROR: invalid type: string \"\", expected u32"},
        Case{"<P><Delta>-2147483648</Delta><Req/></P>", "text: None, flag: None, count: None, delta: Some(-2147483648), colour: None, items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Delta>2147483648</Delta><Req/></P>", "ERROR: invalid type: string \"2147483648\", expected i32"},
        Case{"<P><Delta>--1</Delta><Req/></P>", "ERROR: invalid type: string \"--1\", expected i32"},
        // enumerations: exact texts, "$text" for empty content, the two-name wording
        Case{"<P><Colour> darkBlue </Colour><Req/></P>", "text: None, flag: None, count: None, delta: None, colour: Some(DarkBlue), items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Colour>&#114;ed</Colour><Req/></P>", "text: None, flag: None, count: None, delta: None, colour: Some(Red), items: None, inners: None, inner: None, req: \"\""},
        Case{"<P><Colour>Red</Colour><Req/></P>", "ERROR: unknown variant `Red`, expected `red` or `darkBlue`"},
        Case{"<P><Colour/><Req/></P>", "ERROR: unknown variant `$text`, expected `red` or `darkBlue`"},
        Case{"<P><Colour><red/></Colour><Req/></P>", "ERROR: unexpected `Event::Start(\"red\")`"},
        // text values: a child element is an error, attributes are not examined
        Case{"<P><T>abc<g/></T></P>", "ERROR: unexpected `Event::Start(\"g\")`"},
        Case{"<P><T a='1' a='2'>x</T><Req/></P>", "text: Some(\"x\"), flag: None, count: None, delta: None, colour: None, items: None, inners: None, inner: None, req: \"\""},
        // lists: one run, text between items, a second run is a duplicate
        Case{"<P><X>a</X>junk<X>b</X><Req/></P>", "text: None, flag: None, count: None, delta: None, colour: None, items: Some([\"a\", \"junk\", \"b\"]), inners: None, inner: None, req: \"\""},
        Case{"<P><X>1</X><Req/><X>2</X></P>", "ERROR: duplicate field `X`"},
        Case{"<P><a:X/><b:X/></P>", "ERROR: duplicate field `X`"},
        Case{"<P><I><B>1</B></I><I><B>2</B></I><Req/></P>", "text: None, flag: None, count: None, delta: None, colour: None, items: None, inners: Some([Inner { a: None, b: \"1\" }, Inner { a: None, b: \"2\" }]), inner: None, req: \"\""},
        Case{"<P><I><B>1</B></I>junk<I><B>2</B></I><Req/></P>", "ERROR: invalid type: string \"junk\", expected struct Inner"},
        // a record element holding only text reads as a record, the text discarded
        Case{"<P><In>abc</In><Req/></P>", "ERROR: missing field `B`"},
        // end of input inside the record or a value names the element being read
        Case{"<P><Req>x</Req>", "ERROR: ill-formed document: start tag not closed: `</P>` not found before end of input"},
        Case{"<P><T>x", "ERROR: ill-formed document: start tag not closed: `</T>` not found before end of input"},
        Case{"<P><U><V>", "ERROR: ill-formed document: start tag not closed: `</U>` not found before end of input"},
        Case{"<P><A><B></A></P>", "ERROR: ill-formed document: expected `</B>`, but `</A>` was found"}));

// Children in any order reach their fields, and a name two fields accept always goes to the first
// of them, whichever field was filled last.
TEST(Binding, FieldOrderAndSharedNames) {
    const Case cases[] = {
        {"<S><Third>c</Third><First>a</First></S>", "Shared { first: Some(\"a\"), second: None, third: Some(\"c\") }"},
        {"<S><Shared>b</Shared><Third>c</Third></S>", "Shared { first: Some(\"b\"), second: None, third: Some(\"c\") }"},
        {"<S><First>a</First><Shared>b</Shared></S>", "ERROR: duplicate field `First`"},
        {"<S><Third>c</Third><Third>d</Third></S>", "ERROR: duplicate field `Third`"},
    };
    for (const Case& c : cases) EXPECT_EQ(read<probe::Shared>(c.doc), c.expected) << c.doc;
    EXPECT_EQ(read<probe::Probe>("<P><Req>r</Req><Count>1</Count><T>t</T><Req>s</Req></P>"), "ERROR: duplicate field `Req`");
}

// A long list keeps every item in order, and ends close to its size whether it fills the rest of
// the document or is followed by much more of it.
TEST(Binding, LongListsKeepEveryItemAndEndCloseToTheirSize) {
    for (const std::size_t n : {1023u, 1024u, 1025u, 3000u, 24000u}) {
        for (const std::size_t tail : {0u, 200000u}) {
            std::string doc = "<P>";
            for (std::size_t i = 0; i < n; ++i) doc += "<I><B>" + std::to_string(i) + "</B></I>";
            doc += "<T>" + std::string(tail, 'x') + "</T><Req/></P>";
            xml::Reader r = xml::Reader::document(doc);
            xml::Event start = r.next();
            const probe::Probe p = bind::read_element<probe::Probe>(r, start);
            ASSERT_TRUE(p.inners) << n;
            ASSERT_EQ(p.inners->size(), n);
            for (std::size_t i = 0; i < n; ++i) ASSERT_EQ((*p.inners)[i].b, std::to_string(i));
            EXPECT_EQ(p.text->size(), tail);
            // Doubling alone would leave up to twice the room.
            if (tail == 0) EXPECT_LE(p.inners->capacity(), n + n / 4) << n;
            else EXPECT_LE(p.inners->capacity(), 8 * n) << n;
        }
    }
}

// A child's local name is everything after the first ':' of its name, however the start tag is
// written; the same whether the tag is near the end of the input or has more input after it.
TEST(Binding, LocalNamesOfChildren) {
    const Case cases[] = {
        {"<x:T>v</x:T>", "Some(\"v\")"},
        {"<T>v</T>", "Some(\"v\")"},
        {"<x:T/>", "Some(\"\")"},
        {"<x:T a='1'>v</x:T>", "Some(\"v\")"},
        {"<x:T\ta=\"1\"/>", "Some(\"\")"},
        {"<x:y:T>v</x:y:T>", "None"},
        {"<x:Alias>v</x:Alias>", "Some(\"v\")"},
        {"<averyveryverylongprefixofmanybytes:T>v</averyveryverylongprefixofmanybytes:T>", "Some(\"v\")"},
        {"<x:Tx>v</x:Tx>", "None"},
        {"<:T>v</:T>", "Some(\"v\")"},
    };
    for (const Case& c : cases) {
        for (const std::string tail : {"", "<!--                                        -->"}) {
            const std::string doc = std::string("<P>") + c.doc + "<Req/>" + tail + "</P>";
            const std::string got = read<probe::Probe>(doc);
            EXPECT_EQ(got.substr(0, got.find(", flag:")), std::string("Probe { text: ") + c.expected) << doc;
        }
    }
}

TEST(Binding, RecordWithoutFieldsSkipsEverythingAndRendersItsName) {
    EXPECT_EQ(read<probe::Empty>("<E a='1'>text<B><B/>&bogus;</B><C/><C/></E>"), "Empty");
    EXPECT_EQ(read<probe::Empty>("<E a='1' a='2'/>"),
              "ERROR: error while parsing attribute: position 8: duplicated attribute, previous declaration at position 2");
}

TEST(Binding, UnknownFieldWording) {
    std::array<std::string_view, 3> three{"A", "B", "C"};
    EXPECT_EQ(bind::unknown_field("K", std::span(three).first(0)), "unknown field `K`, there are no fields");
    EXPECT_EQ(bind::unknown_field("K", std::span(three).first(1)), "unknown field `K`, expected `A`");
    EXPECT_EQ(bind::unknown_field("K", std::span(three).first(2)), "unknown field `K`, expected `A` or `B`");
    EXPECT_EQ(bind::unknown_field("K", three), "unknown field `K`, expected one of `A`, `B`, `C`");
    EXPECT_EQ(bind::unknown_variant("T", std::span(three).first(0)), "unknown variant `T`, there are no variants");
}

TEST(Binding, UnexpectedStartWritesNameByteByByte) {
    EXPECT_EQ(bind::unexpected_start("a:b\"c"), "unexpected `Event::Start(\"a:b\\\"c\")`");
    EXPECT_EQ(bind::unexpected_start("\xC3\xA9\x01"), "unexpected `Event::Start(\"0xC30xA90x1\")`");
}

TEST(TextForm, Escapes) {
    struct Row {
        std::string in, out;
    };
    const Row rows[] = {
        {"plain", "\"plain\""},
        {"", "\"\""},
        {"a\"b\\c\td\ne\rf", "\"a\\\"b\\\\c\\td\\ne\\rf\""},
        {std::string("nul\0!", 5), "\"nul\\0!\""},
        {"it's", "\"it's\""},
        {"\x7f", "\"\\u{7f}\""},
        {"\xC2\xA0", "\"\\u{a0}\""},            // no-break space
        {"\xC2\xAD", "\"\\u{ad}\""},            // soft hyphen
        {"e\xCC\x81", "\"e\\u{301}\""},         // combining acute accent
        {"\xC3\xA9t\xC3\xA9", "\"\xC3\xA9t\xC3\xA9\""},
        {"\xE2\x80\xA8", "\"\\u{2028}\""},      // line separator
        {"\xEF\xBF\xBE", "\"\\u{fffe}\""},      // a noncharacter
        {"\xF0\x9F\x9A\x8C", "\"\xF0\x9F\x9A\x8C\""},  // a bus
        {"\xE2\x80\x8C", "\"\\u{200c}\""},      // zero-width non-joiner: Grapheme_Extend
    };
    for (const Row& row : rows) EXPECT_EQ(text::quoted(row.in), row.out) << row.in;
    // Long texts are scanned many bytes at a time: every character that is escaped or kept is
    // found wherever it stands among plain ones.
    for (const Row& row : rows) {
        const std::string inner = row.out.substr(1, row.out.size() - 2);
        for (std::size_t before : {0u, 1u, 15u, 16u, 17u, 31u, 40u})
            for (std::size_t after : {0u, 1u, 15u, 16u, 33u}) {
                const std::string in = std::string(before, 'a') + row.in + std::string(after, 'z');
                EXPECT_EQ(text::quoted(in), "\"" + std::string(before, 'a') + inner + std::string(after, 'z') + "\"")
                    << row.in << " " << before << " " << after;
            }
    }
}

}  // namespace
