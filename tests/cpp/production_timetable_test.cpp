// Production timetable records: the frame, the dated journey with its flattened groups, the
// dated call, the targeted interchange and its connection link.
#include <gtest/gtest.h>

#include "support.hpp"

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "siri.hpp"
#include "structures/dated_timetable_version_frame.hpp"
#include "structures/distributor_connection_link.hpp"
#include "xml/reader.hpp"

namespace {

using quaymark::testing::read_as;
using quaymark::testing::file;

using namespace quaymark;



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

TEST(TargetedInterchange, Reads) {
    const std::string link_none =
        "DistributorConnectionLink { connection_code: None, stop_point_ref: None, interchange_duration: None, "
        "frequent_traveller_duration: None, occasional_traveller_duration: None, impaired_access_duration: None }";
    const Case cases[] = {
        {"<TargetedInterchange/>", "error: missing field `InterchangeCode`"},
        {"<T><DistributorConnectionLink/><InterchangeCode>I</InterchangeCode></T>",
         "error: missing field `DistributorVehicleJourneyRef`"},
        {"<T><DistributorVehicleJourneyRef>J</DistributorVehicleJourneyRef><InterchangeCode>I</InterchangeCode></T>",
         "error: missing field `DistributorConnectionLink`"},
        {"<T><InterchangeCode>I</InterchangeCode><InterchangeCode>I</InterchangeCode></T>",
         "error: duplicate field `InterchangeCode`"},
        {"<T><StaySeated>yes</StaySeated></T>", "error: invalid type: string \"yes\", expected a boolean"},
        {"<T><Guaranteed/></T>", "error: invalid type: string \"\", expected a boolean"},
        {"<T><DistributorConnectionLink><InterchangeDuration>PT2M</InterchangeDuration></DistributorConnectionLink></T>",
         "error: invalid type: string \"PT2M\", expected u32"},
        {"<T><DistributorConnectionLink>text</DistributorConnectionLink></T>", "error: missing field `InterchangeCode`"},
    };
    for (const Case& c : cases) EXPECT_EQ(read_as<structures::TargetedInterchange>(c.doc), c.want) << c.doc;

    EXPECT_EQ(read_as<structures::TargetedInterchange>(
                  "<T x='1'>t<InterchangeCode>I</InterchangeCode><DistributorVehicleJourneyRef>J</DistributorVehicleJourneyRef>"
                  "<DistributorConnectionLink/></T>"),
              "TargetedInterchange { interchange_code: \"I\", distributor_vehicle_journey_ref: \"J\", "
              "distributor_connection_link: " + link_none + ", stay_seated: None, guaranteed: None, maximum_wait_time: None }");
    EXPECT_EQ(read_as<structures::TargetedInterchange>(
                  "<T><MaximumWaitTime>PT5M</MaximumWaitTime><Guaranteed>0</Guaranteed><StaySeated>true</StaySeated>"
                  "<DistributorConnectionLink><StopPointRef>SP</StopPointRef></DistributorConnectionLink>"
                  "<DistributorVehicleJourneyRef>J</DistributorVehicleJourneyRef><InterchangeCode>I</InterchangeCode></T>"),
              "TargetedInterchange { interchange_code: \"I\", distributor_vehicle_journey_ref: \"J\", "
              "distributor_connection_link: DistributorConnectionLink { connection_code: None, stop_point_ref: Some(\"SP\"), "
              "interchange_duration: None, frequent_traveller_duration: None, occasional_traveller_duration: None, "
              "impaired_access_duration: None }, stay_seated: Some(true), guaranteed: Some(false), maximum_wait_time: Some(\"PT5M\") }");
}

// A call with the given fields set and every other one absent.
std::string call(std::string_view stop_point_ref = "None", std::string_view order = "None",
                 std::string_view stop_point_name = "None", std::string_view arrival_platform = "None",
                 std::string_view departure_boarding_activity = "None", std::string_view aimed_headway_interval = "None") {
    std::string s = "DatedCall { stop_point_ref: ";
    s += stop_point_ref;
    s += ", order: ";
    s += order;
    s += ", stop_point_name: ";
    s += stop_point_name;
    s += ", destination_display: None, aimed_arrival_time: None, arrival_platform: ";
    s += arrival_platform;
    s += ", aimed_quay_name: None, aimed_departure_time: None, departure_platform_name: None, departure_boarding_activity: ";
    s += departure_boarding_activity;
    s += ", aimed_headway_interval: ";
    s += aimed_headway_interval;
    s += ", targeted_interchange: None }";
    return s;
}

TEST(DatedCall, Reads) {
    const std::string none = call();
    struct {
        const char* doc;
        std::string want;
    } const cases[] = {
        {"<DatedCalls/>", none},
        {"<DatedCalls><DatedCall><StopPointRef>A</StopPointRef></DatedCall><DatedCall/></DatedCalls>", none},
        {"<DatedCalls><Order>7</Order><StopPointName/></DatedCalls>", call("None", "Some(7)", "Some(\"\")")},
        {"<DatedCalls><ArrivalPlatformName>3</ArrivalPlatformName></DatedCalls>", none},
        {"<DatedCalls><ArrivalPlatform>3</ArrivalPlatform></DatedCalls>", call("None", "None", "None", "Some(\"3\")")},
        {"<DatedCalls><DepartureBoardingActivity>boarding</DepartureBoardingActivity></DatedCalls>",
         call("None", "None", "None", "None", "Some(Boarding)")},
        {"<DatedCalls><AimedHeadwayInterval>+600</AimedHeadwayInterval><siri:StopPointRef>S&amp;P</siri:StopPointRef></DatedCalls>",
         call("Some(\"S&P\")", "None", "None", "None", "None", "Some(600)")},
        {"<DatedCalls><DepartureBoardingActivity>Boarding</DepartureBoardingActivity></DatedCalls>",
         "error: unknown variant `Boarding`, expected one of `alighting`, `noAlighting`, `passThru`, `boarding`, `noBoarding`"},
        {"<DatedCalls><DepartureBoardingActivity/></DatedCalls>",
         "error: unknown variant `$text`, expected one of `alighting`, `noAlighting`, `passThru`, `boarding`, `noBoarding`"},
        {"<DatedCalls><Order>-1</Order></DatedCalls>", "error: invalid type: string \"-1\", expected u32"},
        {"<DatedCalls><Order>1.5</Order></DatedCalls>", "error: invalid type: string \"1.5\", expected u32"},
        {"<DatedCalls><Order/></DatedCalls>", "error: invalid type: string \"\", expected u32"},
        {"<DatedCalls><AimedHeadwayInterval>PT10M</AimedHeadwayInterval></DatedCalls>",
         "error: invalid type: string \"PT10M\", expected u32"},
        {"<DatedCalls><Order>1</Order><Order>2</Order></DatedCalls>", "error: duplicate field `Order`"},
        {"<DatedCalls><TargetedInterchange><InterchangeCode>I</InterchangeCode><DistributorVehicleJourneyRef>J"
         "</DistributorVehicleJourneyRef><DistributorConnectionLink/></TargetedInterchange><TargetedInterchange/></DatedCalls>",
         "error: duplicate field `TargetedInterchange`"},
        {"<DatedCalls><TargetedInterchange/></DatedCalls>", "error: missing field `InterchangeCode`"},
        {"<DatedCalls><StopPointName>a<b/></StopPointName></DatedCalls>", "error: unexpected `Event::Start(\"b\")`"},
    };
    for (const auto& c : cases) EXPECT_EQ(read_as<structures::DatedCall>(c.doc), c.want) << c.doc;
}

// A journey's own fields and its list of calls; the groups are looked at below.
TEST(DatedVehicleJourney, OwnFields) {
    const std::string none = call();
    struct {
        const char* doc;
        std::string want;
    } const cases[] = {
        {"<J><DatedCalls/></J>",
         "DatedVehicleJourney { vehicle_journey_name: None, destination_display: None, headway_service: None, "
         "monitored: None, dated_calls: [" + none + "], service_info_group: None, journey_pattern_info: None }"},
        {"<J a='1' xmlns='urn:x'>lead<VehicleJourneyName>VJ</VehicleJourneyName><Unknown><X>1</X></Unknown>"
         "<DestinationDisplay>Centre</DestinationDisplay><HeadwayService>1</HeadwayService><Monitored>false</Monitored>"
         "<DatedCalls><Order>1</Order></DatedCalls><DatedCalls><Order>2</Order></DatedCalls><Other/>tail</J>",
         "DatedVehicleJourney { vehicle_journey_name: Some(\"VJ\"), destination_display: Some(\"Centre\"), "
         "headway_service: Some(true), monitored: Some(false), dated_calls: [" + call("None", "Some(1)") + ", " +
             call("None", "Some(2)") + "], service_info_group: None, journey_pattern_info: None }"},
        // A run of calls is one prefix: the same prefix joins it, another ends it.
        {"<J><siri:DatedCalls/><siri:DatedCalls/></J>",
         "DatedVehicleJourney { vehicle_journey_name: None, destination_display: None, headway_service: None, "
         "monitored: None, dated_calls: [" + none + ", " + none + "], service_info_group: None, journey_pattern_info: None }"},
        {"<J><siri:DatedCalls/><DatedCalls/></J>", "error: duplicate field `DatedCalls`"},
        {"<J><DatedCalls/><Monitored>true</Monitored><DatedCalls/></J>", "error: duplicate field `DatedCalls`"},
        {"<J><DatedCalls/> stray <DatedCalls/></J>", "error: invalid type: string \"stray\", expected struct DatedCall"},
        {"<J><DatedCalls/>stray</J>", "error: invalid type: string \"stray\", expected struct DatedCall"},
        {"<J><VehicleJourneyName>a</VehicleJourneyName><OperatorRef>OP</OperatorRef></J>", "error: missing field `DatedCalls`"},
        {"<J><Monitored>true</Monitored><Monitored>true</Monitored><DatedCalls/></J>", "error: duplicate field `Monitored`"},
        {"<J><DatedCalls/><HeadwayService>yes</HeadwayService></J>", "error: invalid type: string \"yes\", expected a boolean"},
        {"<J><DatedCalls/><Monitored/></J>", "error: invalid type: string \"\", expected a boolean"},
        {"<J><DatedCalls><Order>x</Order></DatedCalls></J>", "error: invalid type: string \"x\", expected u32"},
        // Own-field errors come before anything a group would find.
        {"<J><PublishedLineName>1</PublishedLineName><PublishedLineName>2</PublishedLineName></J>",
         "error: missing field `DatedCalls`"},
        // Malformed markup inside a set-aside child ends the parse.
        {"<J><DatedCalls/><Unknown><a></b></Unknown></J>", "error: ill-formed document: expected `</a>`, but `</b>` was found"},
        {"<J><DatedCalls/><OperatorRef a='1' a='2'>OP</OperatorRef></J>",
         "error: error while parsing attribute: position 18: duplicated attribute, previous declaration at position 12"},
        {"<J><DatedCalls/><OperatorRef>&bogus;</OperatorRef></J>", "error: at 1..6: unrecognized entity `bogus`"},
        {"<J><DatedCalls/><Unknown>", "error: ill-formed document: start tag not closed: `</Unknown>` not found before end of input"},
    };
    for (const auto& c : cases) EXPECT_EQ(read_as<structures::DatedVehicleJourney>(c.doc), c.want) << c.doc;
}

// The two groups formed from what the journey leaves over: doc -> "service | pattern".
TEST(DatedVehicleJourney, FlattenedGroups) {
    const std::string sig_op1 =
        "Some(ServiceInfoGroup { operator_ref: Some(\"OP1\"), product_category_ref: None, service_feature_ref: [\"SF1\"], "
        "vehicle_feature_ref: [LongTrain] })";
    const std::string jp_12_bus =
        "Some(JourneyPatternInfoGroup { journey_pattern_ref: None, journey_pattern_name: None, vehicle_mode: Some(Bus), "
        "route_ref: None, published_line_name: \"12\", direction_name: None })";
    const std::string jp_ref_12 =
        "Some(JourneyPatternInfoGroup { journey_pattern_ref: Some(\"JP\"), journey_pattern_name: None, vehicle_mode: None, "
        "route_ref: None, published_line_name: \"12\", direction_name: None })";
    const std::string sig = "<OperatorRef>OP1</OperatorRef><ServiceFeatureRef>SF1</ServiceFeatureRef>"
                            "<VehicleFeatureRef>longTrain</VehicleFeatureRef>";
    const std::string jp = "<PublishedLineName>12</PublishedLineName><VehicleMode>bus</VehicleMode>";
    struct {
        std::string children;
        std::string want;
    } const cases[] = {
        {sig + jp, sig_op1 + " | " + jp_12_bus},
        // Anywhere among the journey's children, in any order, prefixed or not, attributes ignored.
        {"<siri:VehicleMode x='y'>bus</siri:VehicleMode><VehicleJourneyName/><VehicleFeatureRef>longTrain</VehicleFeatureRef>"
         "<Monitored>true</Monitored><ServiceFeatureRef a='b'>SF1</ServiceFeatureRef><x:PublishedLineName> 12 </x:PublishedLineName>"
         "<OperatorRef>OP1</OperatorRef>",
         sig_op1 + " | " + jp_12_bus},
        {"<JourneyPatternRef>JP</JourneyPatternRef><Foo/><PublishedLineName>12</PublishedLineName>", "None | " + jp_ref_12},
        {"<OperatorRef>OP1</OperatorRef><ProductCategoryRef>PC</ProductCategoryRef><ServiceFeatureRef/>"
         "<VehicleFeatureRef>shortTrain</VehicleFeatureRef><JourneyPatternName>N</JourneyPatternName>"
         "<RouteRef>R</RouteRef><PublishedLineName>L</PublishedLineName><DirectionName>D</DirectionName>"
         "<JourneyPatternRef>JP</JourneyPatternRef><VehicleMode>tram</VehicleMode>",
         "Some(ServiceInfoGroup { operator_ref: Some(\"OP1\"), product_category_ref: Some(\"PC\"), service_feature_ref: [\"\"], "
         "vehicle_feature_ref: [ShortTrain] }) | Some(JourneyPatternInfoGroup { journey_pattern_ref: Some(\"JP\"), "
         "journey_pattern_name: Some(\"N\"), vehicle_mode: Some(Tram), route_ref: Some(\"R\"), published_line_name: \"L\", "
         "direction_name: Some(\"D\") })"},
        // Missing required members.
        {"<OperatorRef>OP1</OperatorRef><VehicleFeatureRef>longTrain</VehicleFeatureRef>" + jp, "None | " + jp_12_bus},
        {"<OperatorRef>OP1</OperatorRef><ServiceFeatureRef>SF1</ServiceFeatureRef>" + jp, "None | " + jp_12_bus},
        {sig + "<VehicleMode>bus</VehicleMode><JourneyPatternRef>JP</JourneyPatternRef>", sig_op1 + " | None"},
        // Repetition, adjacent or not, lists included.
        {sig + "<ServiceFeatureRef>SF2</ServiceFeatureRef>" + jp, "None | " + jp_12_bus},
        {"<ServiceFeatureRef>SF1</ServiceFeatureRef><ServiceFeatureRef>SF2</ServiceFeatureRef>"
         "<VehicleFeatureRef>longTrain</VehicleFeatureRef>",
         "None | None"},
        {sig + "<OperatorRef>OP2</OperatorRef>", "None | None"},
        {sig + jp + "<PublishedLineName>12</PublishedLineName>", sig_op1 + " | None"},
        {sig + jp + "<VehicleMode>bus</VehicleMode>", sig_op1 + " | None"},
        // Texts that are no accepted enumeration text.
        {"<OperatorRef>OP1</OperatorRef><ServiceFeatureRef>SF1</ServiceFeatureRef><VehicleFeatureRef>LongTrain</VehicleFeatureRef>" + jp,
         "None | " + jp_12_bus},
        {sig + "<PublishedLineName>12</PublishedLineName><VehicleMode>Bus</VehicleMode>", sig_op1 + " | None"},
        {sig + "<PublishedLineName>12</PublishedLineName><VehicleMode/>", sig_op1 + " | None"},
        // A member that holds an element where text is expected.
        {sig + "<PublishedLineName>12<b/></PublishedLineName>", sig_op1 + " | None"},
        // One group failing leaves the other alone; text and attributes of the journey are not members.
        {"<OperatorRef>OP1</OperatorRef>" + jp, "None | " + jp_12_bus},
    };
    for (const auto& c : cases) {
        const std::string doc = "<DatedVehicleJourney a='1'>text<DatedCalls/>" + c.children + "more</DatedVehicleJourney>";
        std::string got;
        try {
            xml::Reader r = xml::Reader::document(doc);
            xml::Event start = r.next();
            auto j = bind::read_element<structures::DatedVehicleJourney>(r, start);
            got = bind::text_form(j.service_info_group) + " | " + bind::text_form(j.journey_pattern_info);
        } catch (const ParseError& e) {
            got = "error: " + e.message();
        }
        EXPECT_EQ(got, c.want) << doc;
    }
}

TEST(DatedTimetableVersionFrame, Reads) {
    const std::string journey =
        "DatedVehicleJourney { vehicle_journey_name: None, destination_display: None, headway_service: None, "
        "monitored: None, dated_calls: [" + call() + "], service_info_group: None, journey_pattern_info: None }";
    struct {
        const char* doc;
        std::string want;
    } const cases[] = {
        {"<F v='1'>x<DirectionRef>D</DirectionRef><DatedVehicleJourney><DatedCalls/></DatedVehicleJourney>"
         "<Unknown/><LineRef>L</LineRef><RecordedAtTime>T</RecordedAtTime></F>",
         "DatedTimetableVersionFrame { recorded_at_time: \"T\", line_ref: \"L\", direction_ref: \"D\", "
         "dated_vehicle_journey: " + journey + " }"},
        {"<F/>", "error: missing field `RecordedAtTime`"},
        {"<F><RecordedAtTime>T</RecordedAtTime><DirectionRef>D</DirectionRef></F>", "error: missing field `LineRef`"},
        {"<F><RecordedAtTime>T</RecordedAtTime><LineRef>L</LineRef></F>", "error: missing field `DirectionRef`"},
        {"<F><RecordedAtTime>T</RecordedAtTime><LineRef>L</LineRef><DirectionRef>D</DirectionRef></F>",
         "error: missing field `DatedVehicleJourney`"},
        {"<F><DatedVehicleJourney><DatedCalls/></DatedVehicleJourney><DatedVehicleJourney/></F>",
         "error: duplicate field `DatedVehicleJourney`"},
        {"<F><DatedVehicleJourney/></F>", "error: missing field `DatedCalls`"},
        {"<F><DatedVehicleJourney>text</DatedVehicleJourney></F>", "error: missing field `DatedCalls`"},
    };
    for (const auto& c : cases) EXPECT_EQ(read_as<structures::DatedTimetableVersionFrame>(c.doc), c.want) << c.doc;
}

// Set-aside children nested far deeper than any stack allows.
TEST(DatedVehicleJourney, DeepSetAsideChildren) {
    constexpr std::size_t depth = 1'000'000;
    auto nested = [&](std::string_view outer, bool closed) {
        std::string s = "<DatedVehicleJourney><DatedCalls/><" + std::string(outer) + ">";
        s.reserve(s.size() + depth * 8);
        for (std::size_t i = 0; i < depth; ++i) s += "<a>";
        if (closed) {
            for (std::size_t i = 0; i < depth; ++i) s += "</a>";
            s += "</" + std::string(outer) + ">" +
                 "<PublishedLineName>12</PublishedLineName><ServiceFeatureRef>S</ServiceFeatureRef></DatedVehicleJourney>";
        }
        return s;
    };
    auto groups = [](const std::string& doc) {
        try {
            xml::Reader r = xml::Reader::document(doc);
            xml::Event start = r.next();
            auto j = bind::read_element<structures::DatedVehicleJourney>(r, start);
            return bind::text_form(j.service_info_group) + " | " + bind::text_form(j.journey_pattern_info);
        } catch (const ParseError& e) {
            return "error: " + e.message();
        }
    };
    const std::string jp =
        "Some(JourneyPatternInfoGroup { journey_pattern_ref: None, journey_pattern_name: None, vehicle_mode: None, "
        "route_ref: None, published_line_name: \"12\", direction_name: None })";
    // An unknown child: kept and dropped.
    EXPECT_EQ(groups(nested("Unknown", true)), "None | " + jp);
    // A group member holding the deep tree: that group is absent.
    EXPECT_EQ(groups(nested("VehicleFeatureRef", true)), "None | " + jp);
    EXPECT_EQ(groups(nested("VehicleMode", true)), "None | None");
    // Never closed: rejected.
    EXPECT_EQ(groups(nested("Unknown", false)), "error: ill-formed document: start tag not closed: `</Unknown>` not found before end of input");
}

// The example document, read whole: its text form is kept beside the test documents.
TEST(ProductionTimetable, ExampleDocument) {
    const std::string doc = file(QUAYMARK_DOCUMENTS "/../../examples/production_timetable.xml");
    std::string want = file(QUAYMARK_DOCUMENTS "/production_timetable.expected");
    ASSERT_FALSE(doc.empty());
    ASSERT_FALSE(want.empty());
    want.pop_back();  // the file's last newline
    EXPECT_EQ(quaymark::text_form(SIRI::from_str(doc)), want);
}

}  // namespace
