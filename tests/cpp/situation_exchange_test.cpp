// Situation exchange records: a document in, the exact text form or the exact message out.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "siri.hpp"
#include "structures/pt_structure_element.hpp"
#include "xml/reader.hpp"

namespace {

using namespace quaymark;
using namespace quaymark::structures;

// Reads the document's root element as a T: its text form, or "error: " and the message.
template <class T>
std::string read_as(std::string_view doc) {
    try {
        xml::Reader r = xml::Reader::document(doc);
        xml::Event start = r.next();
        return bind::text_form(bind::read_element<T>(r, start));
    } catch (const ParseError& e) {
        return "error: " + e.message();
    }
}

struct Case {
    std::string doc;
    std::string want;
};

template <class T>
void check(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(read_as<T>(c.doc), c.want) << c.doc;
}

TEST(ValidityPeriod, Reads) {
    const std::string none = ", end_time_status: None, end_time_precision: None }";
    check<ValidityPeriod>({
        {"<P><StartTime>2024-05-01T06:00:00Z</StartTime><EndTime>2024-05-01T22:00:00Z</EndTime></P>",
         "ValidityPeriod { start_time: \"2024-05-01T06:00:00Z\", end_time: \"2024-05-01T22:00:00Z\"" + none},
        {"<P a='x'>stray<EndTime>b</EndTime><Other><StartTime>no</StartTime></Other><StartTime/></P>",
         "ValidityPeriod { start_time: \"\", end_time: \"b\"" + none},
        {"<P><StartTime>not a date</StartTime><EndTime>e</EndTime><EndTimeStatus>longTerm</EndTimeStatus>"
         "<EndTimePrecision>minute</EndTimePrecision></P>",
         "ValidityPeriod { start_time: \"not a date\", end_time: \"e\", end_time_status: Some(LongTerm), "
         "end_time_precision: Some(Minute) }"},
        {"<P><EndTime>e</EndTime></P>", "error: missing field `StartTime`"},
        {"<P/>", "error: missing field `StartTime`"},
        {"<P><StartTime>s</StartTime></P>", "error: missing field `EndTime`"},
        {"<P><StartTime>s</StartTime><StartTime>t</StartTime><EndTime>e</EndTime></P>",
         "error: duplicate field `StartTime`"},
        {"<P><StartTime>s</StartTime><EndTime>e</EndTime><EndTimeStatus>LongTerm</EndTimeStatus></P>",
         "error: unknown variant `LongTerm`, expected one of `undefined`, `longTerm`, `shortTerm`"},
        {"<P><StartTime>s</StartTime><EndTime>e</EndTime><EndTimePrecision>minutes</EndTimePrecision></P>",
         "error: unknown variant `minutes`, expected one of `second`, `minute`, `hour`, `day`"},
        {"<P><StartTime>s</StartTime><EndTime>e</EndTime><EndTimeStatus/></P>",
         "error: unknown variant `$text`, expected one of `undefined`, `longTerm`, `shortTerm`"},
    });
}

}  // namespace
