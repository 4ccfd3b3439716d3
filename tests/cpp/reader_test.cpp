// The XML reader's lexical rules and messages, seen through a text field of a real document
// (MonitoringRef of a stop-monitoring delivery) and through the document's prolog.
#include <gtest/gtest.h>

#include "support.hpp"

namespace {

using quaymark::testing::message;
using quaymark::testing::outcome;
using quaymark::testing::stop_monitoring;

// The MonitoringRef read from `raw` (the element's content as written), or the error.
std::string monitoring_ref(const std::string& raw) {
    std::string got = outcome(stop_monitoring("<ResponseTimestamp>t</ResponseTimestamp><MonitoringRef>" + raw + "</MonitoringRef>"));
    if (got.starts_with("ERROR: ")) return got;
    const std::string key = "monitoring_ref: Some(";
    auto from = got.find(key);
    auto to = got.find("), monitored_stop_visit:", from);
    return got.substr(from + key.size(), to - from - key.size());
}

struct Row {
    const char* raw;
    const char* expected;
};

class TextRun : public ::testing::TestWithParam<Row> {};

TEST_P(TextRun, TrimsAndExpands) { EXPECT_EQ(monitoring_ref(GetParam().raw), GetParam().expected) << GetParam().raw; }

INSTANTIATE_TEST_SUITE_P(
    Rules, TextRun,
    ::testing::Values(
        Row{"  a b  ", "\"a b\""},
        Row{"", "\"\""},
        Row{"   ", "\"\""},
        Row{"<![CDATA[ a ]]>", "\" a \""},
        Row{"<![CDATA[]]>", "\"\""},
        Row{" x <![CDATA[y]]> z ", "\"x y z\""},
        Row{"&#32;a", "\" a\""},
        Row{"&#x20;a&#x9;", "\" a\\t\""},
        Row{"a<!-- c -->b", "\"ab\""},
        Row{"a <!-- c --> b", "\"a  b\""},
        Row{"a<?pi x?>b", "\"ab\""},
        Row{"a<!-- -- -->b", "\"ab\""},
        Row{"a &amp; b", "\"a & b\""},
        Row{"&lt;&gt;&apos;&quot;", "\"<>'\\\"\""},
        Row{"&#x1F68C;&#233;", "\"\xF0\x9F\x9A\x8C\xC3\xA9\""},
        Row{"<![CDATA[&amp;<x>]]>", "\"&amp;<x>\""},
        // entity errors: positions count from the start of the trimmed piece
        Row{"&nbsp;", "ERROR: at 1..5: unrecognized entity `nbsp`"},
        Row{"  x &bogus;", "ERROR: at 3..8: unrecognized entity `bogus`"},
        Row{"&;", "ERROR: at 1..1: unrecognized entity ``"},
        Row{"a & b", "ERROR: Error while escaping character at range 2..5: Cannot find ';' after '&'"},
        Row{"a &amp b &c;", "ERROR: Error while escaping character at range 2..12: Cannot find ';' after '&'"},
        Row{"x<!--c-->&bad;", "ERROR: at 1..4: unrecognized entity `bad`"},
        Row{"&#0;", "ERROR: invalid character reference: 0x0 character is not permitted in XML"},
        Row{"&#x0;", "ERROR: invalid character reference: 0x0 character is not permitted in XML"},
        Row{"&#+1;", "ERROR: invalid character reference: unexpected number sign"},
        Row{"&#x-1;", "ERROR: invalid character reference: unexpected number sign"},
        Row{"&#;", "ERROR: invalid character reference: cannot parse integer from empty string"},
        Row{"&#x;", "ERROR: invalid character reference: cannot parse integer from empty string"},
        Row{"&#12a;", "ERROR: invalid character reference: invalid digit found in string"},
        Row{"&#X41;", "ERROR: invalid character reference: invalid digit found in string"},
        Row{"&#4294967296;", "ERROR: invalid character reference: number too large to fit in target type"},
        Row{"&#xD800;", "ERROR: invalid character reference: `55296` is not a valid codepoint"},
        Row{"&#x110000;", "ERROR: invalid character reference: `1114112` is not a valid codepoint"},
        Row{"&#4294967295;", "ERROR: invalid character reference: `4294967295` is not a valid codepoint"},
        // the end tag right after the text, as most documents have it
        Row{"\t\r\n a \t", "\"a\""},
        // (the helper closes the element once more after the content)
        Row{"a</MonitoringRef  >", "ERROR: ill-formed document: expected `</StopMonitoringDelivery>`, but `</MonitoringRef>` was found"},
        Row{"a</Other>", "ERROR: ill-formed document: expected `</MonitoringRef>`, but `</Other>` was found"},
        Row{"</Other>", "ERROR: ill-formed document: expected `</MonitoringRef>`, but `</Other>` was found"},
        Row{"a b</MonitoringRef", "ERROR: ill-formed document: expected `</MonitoringRef>`, but `</MonitoringRef</MonitoringRef>` was found"},
        // markup inside a text value
        Row{"abc<g/>", "ERROR: unexpected `Event::Start(\"g\")`"},
        Row{"<x:g a='1'>t</x:g>", "ERROR: unexpected `Event::Start(\"x:g\")`"}));

class Document : public ::testing::TestWithParam<Row> {};

TEST_P(Document, Message) { EXPECT_EQ(message(GetParam().raw), GetParam().expected) << GetParam().raw; }

const std::string kValid = stop_monitoring("<ResponseTimestamp>t</ResponseTimestamp>");

INSTANTIATE_TEST_SUITE_P(
    Prolog, Document,
    ::testing::Values(
        Row{"", "unexpected `Event::Eof`"},
        Row{"  \n\t ", "unexpected `Event::Eof`"},
        Row{"<?xml version=\"1.0\"?><!-- c --><?pi?>", "unexpected `Event::Eof`"},
        Row{"<!DOCTYPE siri>", "unexpected `Event::Eof`"},
        Row{"hello", "invalid type: string \"hello\", expected struct Envelope"},
        Row{"x<Siri/>", "invalid type: string \"x\", expected struct Envelope"},
        Row{"<![CDATA[]]><Siri/>", "invalid type: string \"\", expected struct Envelope"},
        Row{"a\"b\n<Siri/>", "invalid type: string \"a\\\"b\", expected struct Envelope"},
        Row{"&bad;<Siri/>", "at 1..4: unrecognized entity `bad`"},
        Row{"<Siri/>", "missing field `Body`"},
        Row{"<Siri a=\"1\">text<Body2/></Siri>", "missing field `Body`"},
        Row{"<!DOCTYPE>", "ill-formed document: `<!DOCTYPE>` declaration does not contain a name of a document type"},
        Row{"<!DOCTYPE   >", "ill-formed document: `<!DOCTYPE>` declaration does not contain a name of a document type"},
        Row{"<!doctype x [<!ENTITY e \"v\">]><Siri/>", "missing field `Body`"},
        Row{"<!ENTITY x>", "syntax error: unknown or missed symbol in markup"},
        Row{"<!x>", "syntax error: unknown or missed symbol in markup"},
        Row{"<!", "syntax error: unknown or missed symbol in markup"},
        Row{"<?xml version='1.0'", "syntax error: processing instruction or xml declaration not closed: `?>` not found before end of input"},
        Row{"<?>", "syntax error: processing instruction or xml declaration not closed: `?>` not found before end of input"},
        Row{"<!-- c ", "syntax error: comment not closed: `-->` not found before end of input"},
        Row{"<!-->", "syntax error: comment not closed: `-->` not found before end of input"},
        Row{"<!-x-->", "syntax error: comment not closed: `-->` not found before end of input"},
        Row{"<!DOCTYPE x", "syntax error: DOCTYPE not closed: `>` not found before end of input"},
        Row{"<!DOCTYP>", "syntax error: DOCTYPE not closed: `>` not found before end of input"},
        Row{"<![CDATA[x", "syntax error: CDATA not closed: `]]>` not found before end of input"},
        Row{"<![CDAT[x]]>", "syntax error: CDATA not closed: `]]>` not found before end of input"},
        Row{"<Siri", "syntax error: tag not closed: `>` not found before end of input"},
        Row{"<Siri a='>'", "syntax error: tag not closed: `>` not found before end of input"},
        Row{"<", "syntax error: tag not closed: `>` not found before end of input"},
        Row{"<Siri></Siri", "syntax error: tag not closed: `>` not found before end of input"},
        Row{"<Siri>", "ill-formed document: start tag not closed: `</Siri>` not found before end of input"},
        Row{"<Envelope><Body>", "ill-formed document: start tag not closed: `</Body>` not found before end of input"},
        Row{"<Siri><Header><a>", "ill-formed document: start tag not closed: `</Header>` not found before end of input"},
        Row{"<Siri><A><B></A></Siri>", "ill-formed document: expected `</B>`, but `</A>` was found"},
        Row{"<Siri><A></a></Siri>", "ill-formed document: expected `</A>`, but `</a>` was found"},
        Row{"<Siri><A></A  ><Body/></Siri  >", "Missing service type"},
        // attributes on record elements are checked, with positions from the element name
        Row{"<Envelope a=\"1\" a=\"2\">", "error while parsing attribute: position 15: duplicated attribute, previous declaration at position 9"},
        Row{"<Siri a>", "error while parsing attribute: position 6: attribute key must be directly followed by `=` or space"},
        Row{"<Siri a b='1'>", "error while parsing attribute: position 6: attribute key must be directly followed by `=` or space"},
        Row{"<Siri a=>", "error while parsing attribute: position 7: `=` must be followed by an attribute value"},
        Row{"<Siri a = 1>", "error while parsing attribute: position 9: attribute value must be enclosed in `\"` or `'`"},
        Row{"<Siri a = '1' xmlns:a='x' a=\"2\"/>", "error while parsing attribute: position 25: duplicated attribute, previous declaration at position 5"}));

// A name may begin with NUL: the reader tells the end of the input after '<' by position alone,
// in events, in skipped content, in kept entries and in end tags alike.
TEST(Document, NulAfterLessThanBeginsAName) {
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<Envelope><\0a></a></Envelope>"s, "ill-formed document: expected `</\0a>`, but `</a>` was found"s},
        {"<Envelope><\0a>"s, "ill-formed document: start tag not closed: `</\0a>` not found before end of input"s},
        {"<Envelope><\0a><\0a/></\0a><Body/></Envelope>"s, "Missing service type"},
        {"<Envelope><H><\0a><b></\0a></H></Envelope>"s, "ill-formed document: expected `</b>`, but `</\0a>` was found"s},
        {"<\0Envelope><Body/></\0Envelope>"s, "Missing service type"},
        {"<Envelope><\0"s, "syntax error: tag not closed: `>` not found before end of input"},
        {"<Envelope><", "syntax error: tag not closed: `>` not found before end of input"},
        {"<Envelope><!\0>"s, "syntax error: unknown or missed symbol in markup"},
        // a delivery keeps what it does not read and hands it to its header, which names it
        {stop_monitoring("<ResponseTimestamp>t</ResponseTimestamp><\0x/>"s),
         "unknown field `\0x`, expected one of `ResponseTimestamp`, `RequestMessageRef`, `SubscriberRef`, "
         "`SubscriptionRef`, `Status`, `ValidUntil`, `ShortestPossibleCycle`"s},
    };
    for (const auto& [doc, expected] : cases) EXPECT_EQ(message(doc), expected) << doc;
    // an unknown child of a record is skipped like any other, whether or not 32 bytes follow its '<'
    const std::string valid = outcome(kValid);
    ASSERT_FALSE(valid.starts_with("ERROR"));
    const std::string producer = "<ProducerRef>OP</ProducerRef>";
    const std::size_t at = kValid.find(producer);
    for (const std::string child : {"<\0x/>"s, "<\0x a='1'>t<\0x></\0x></\0x>"s}) {
        std::string before = kValid, after = kValid;
        before.insert(at, child);
        after.insert(at + producer.size(), child);
        EXPECT_EQ(outcome(before), valid) << child;
        EXPECT_EQ(outcome(after), valid) << child;
    }
    EXPECT_EQ(monitoring_ref("<\0b/>"s), "ERROR: unexpected `Event::Start(\"0x0b\")`");
}

TEST(Document, PrologAndTrailingContentChangeNothing) {
    const std::string expected = outcome(kValid);
    ASSERT_FALSE(expected.starts_with("ERROR"));
    EXPECT_EQ(outcome("\xEF\xBB\xBF" + kValid), expected);
    EXPECT_EQ(outcome("<?xml version=\"1.0\" encoding=\"latin1\"?>\n<!-- c -->\n<?pi x?><!DOCTYPE Siri>\n" + kValid), expected);
    EXPECT_EQ(outcome(kValid + "<Second/>"), expected);
    EXPECT_EQ(outcome(kValid + "trailing text &bad;"), expected);
    EXPECT_EQ(outcome(kValid + "<"), expected);
    EXPECT_EQ(outcome(kValid + "</Nothing>"), expected);
}

TEST(Document, ManyAttributesOnARecordElementAreCheckedQuickly) {
    std::string doc = "<Siri";
    for (int i = 0; i < 200000; ++i) doc += " a" + std::to_string(i) + "=''";
    doc += " a7=''/>";
    EXPECT_EQ(message(doc), "error while parsing attribute: position " + std::to_string(doc.size() - 8) +
                                ": duplicated attribute, previous declaration at position " +
                                std::to_string(std::string("<Siri a0='' a1='' a2='' a3='' a4='' a5='' a6='' ").size() - 1));
}

TEST(Document, DeepNestingInSkippedContentDoesNotExhaustTheStack) {
    const int depth = 1000000;
    std::string doc = "<Siri><Header>";
    doc.reserve(static_cast<std::size_t>(depth) * 7 + 100);
    for (int i = 0; i < depth; ++i) doc += "<a>";
    for (int i = 0; i < depth; ++i) doc += "</a>";
    doc += "</Header></Siri>";
    EXPECT_EQ(message(doc), "missing field `Body`");
}

}  // namespace
