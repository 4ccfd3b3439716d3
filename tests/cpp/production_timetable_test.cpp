// Production timetable records: the frame, the dated journey with its flattened groups, the
// dated call, the targeted interchange and its connection link.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "structures/distributor_connection_link.hpp"
#include "xml/reader.hpp"

namespace {

using namespace quaymark;

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
    const char* doc;
    const char* want;
};

TEST(DistributorConnectionLink, Reads) {
    const Case cases[] = {
        {"<L/>", "DistributorConnectionLink { connection_code: None, stop_point_ref: None, interchange_duration: None, "
                 "frequent_traveller_duration: None, occasional_traveller_duration: None, impaired_access_duration: None }"},
        {"<L a='1'>text<Unknown><X/></Unknown></L>",
         "DistributorConnectionLink { connection_code: None, stop_point_ref: None, interchange_duration: None, "
         "frequent_traveller_duration: None, occasional_traveller_duration: None, impaired_access_duration: None }"},
        {"<L><InterchangeDuration>120</InterchangeDuration></L>",
         "DistributorConnectionLink { connection_code: None, stop_point_ref: None, interchange_duration: Some(120), "
         "frequent_traveller_duration: None, occasional_traveller_duration: None, impaired_access_duration: None }"},
        {"<L><siri:ImpairedAccessDuration>+7</siri:ImpairedAccessDuration><ConnectionCode>C1</ConnectionCode>"
         "<StopPointRef>SP</StopPointRef><FrequentTravellerDuration>4294967295</FrequentTravellerDuration>"
         "<OccasionalTravellerDuration>0</OccasionalTravellerDuration><InterchangeDuration>60</InterchangeDuration></L>",
         "DistributorConnectionLink { connection_code: Some(\"C1\"), stop_point_ref: Some(\"SP\"), interchange_duration: Some(60), "
         "frequent_traveller_duration: Some(4294967295), occasional_traveller_duration: Some(0), impaired_access_duration: Some(7) }"},
        {"<L><InterchangeDuration>PT5M</InterchangeDuration></L>", "error: invalid type: string \"PT5M\", expected u32"},
        {"<L><ImpairedAccessDuration/></L>", "error: invalid type: string \"\", expected u32"},
        {"<L><OccasionalTravellerDuration>4294967296</OccasionalTravellerDuration></L>",
         "error: invalid type: string \"4294967296\", expected u32"},
        {"<L><FrequentTravellerDuration>-1</FrequentTravellerDuration></L>", "error: invalid type: string \"-1\", expected u32"},
        {"<L><StopPointRef>A</StopPointRef><StopPointRef>B</StopPointRef></L>", "error: duplicate field `StopPointRef`"},
    };
    for (const Case& c : cases) EXPECT_EQ(read_as<structures::DistributorConnectionLink>(c.doc), c.want) << c.doc;
}

}  // namespace
