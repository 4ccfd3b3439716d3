// Vehicle monitoring records: the activity, its cancellation and the progress between stops,
// and the delivery's two lists of them.
#include <gtest/gtest.h>

#include "support.hpp"

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "deliveries/vehicle_monitoring_delivery.hpp"
#include "siri.hpp"
#include "structures/progress_between_stops.hpp"
#include "structures/vehicle_activity.hpp"
#include "structures/vehicle_activity_cancellation.hpp"
#include "xml/reader.hpp"

namespace {

using quaymark::testing::read_as;
using quaymark::testing::file;

using namespace quaymark;


struct Case {
    std::string doc;
    std::string want;
};

std::string progress(std::string_view link_distance, std::string_view percentage) {
    return "ProgressBetweenStops { link_distance: " + std::string(link_distance) +
           ", percentage: " + std::string(percentage) + " }";
}

TEST(ProgressBetweenStops, ReadsSignedIntegers) {
    const Case cases[] = {
        {"<P/>", progress("None", "None")},
        {"<P a='1'>text<Other>x</Other></P>", progress("None", "None")},
        {"<P><Percentage>42</Percentage></P>", progress("None", "Some(42)")},
        {"<P><Percentage>-5</Percentage><LinkDistance>+7</LinkDistance></P>", progress("Some(7)", "Some(-5)")},
        {"<P><LinkDistance>2147483647</LinkDistance><Percentage>-2147483648</Percentage></P>",
         progress("Some(2147483647)", "Some(-2147483648)")},
        {"<P><LinkDistance> 12 </LinkDistance><Percentage>-0</Percentage></P>", progress("Some(12)", "Some(0)")},
        {"<P><Percentage>12.5</Percentage></P>", "error: invalid type: string \"12.5\", expected i32"},
        {"<P><Percentage>abc</Percentage></P>", "error: invalid type: string \"abc\", expected i32"},
        {"<P><Percentage>2147483648</Percentage></P>", "error: invalid type: string \"2147483648\", expected i32"},
        {"<P><Percentage>-2147483649</Percentage></P>", "error: invalid type: string \"-2147483649\", expected i32"},
        {"<P><Percentage/></P>", "error: invalid type: string \"\", expected i32"},
        {"<P><LinkDistance>1e3</LinkDistance></P>", "error: invalid type: string \"1e3\", expected i32"},
        {"<P><LinkDistance>1 000</LinkDistance></P>", "error: invalid type: string \"1 000\", expected i32"},
        {"<P><LinkDistance>-</LinkDistance></P>", "error: invalid type: string \"-\", expected i32"},
        {"<P><LinkDistance>+-1</LinkDistance></P>", "error: invalid type: string \"+-1\", expected i32"},
        {"<P><Percentage>1</Percentage><Percentage>2</Percentage></P>", "error: duplicate field `Percentage`"},
    };
    for (const Case& c : cases) EXPECT_EQ(read_as<structures::ProgressBetweenStops>(c.doc), c.want) << c.doc;
}

// A cancellation with only the given reference, pattern and reasons.
std::string cancellation(std::string_view reasons, std::string_view framed = "None", std::string_view pattern = "None") {
    return "VehicleActivityCancellation { recorded_at_time: None, event_identity: None, vehicle_monitoring_ref: None, "
           "framed_vehicle_journey_ref: " + std::string(framed) + ", line_ref: None, journey_pattern_info: " +
           std::string(pattern) + ", reasons: " + std::string(reasons) + " }";
}

TEST(VehicleActivityCancellation, Reads) {
    const Case cases[] = {
        {"<C><Reasons>r1</Reasons></C>", cancellation("[\"r1\"]")},
        {"<C><Reasons>r1</Reasons><Reasons/></C>", cancellation("[\"r1\", \"\"]")},
        // Text after an item of the run joins the list; text before the first item does not.
        {"<C>before<Reasons>r1</Reasons> bare <Reasons>r2</Reasons></C>", cancellation("[\"r1\", \"bare\", \"r2\"]")},
        {"<C><Reasons>r1</Reasons>after</C>", cancellation("[\"r1\", \"after\"]")},
        {"<C><Reasons>r1</Reasons>a&amp;b<LineRef>L</LineRef></C>",
         "VehicleActivityCancellation { recorded_at_time: None, event_identity: None, vehicle_monitoring_ref: None, "
         "framed_vehicle_journey_ref: None, line_ref: Some(\"L\"), journey_pattern_info: None, reasons: [\"r1\", \"a&b\"] }"},
        {"<C><RecordedAtTime>T</RecordedAtTime><EventIdentity>E</EventIdentity><VehicleMonitoringRef>V</VehicleMonitoringRef>"
         "<FramedVehicleJourneyRef><DataFrameRef>2024-05-14</DataFrameRef><DatedVehicleJourneyRef>J</DatedVehicleJourneyRef>"
         "</FramedVehicleJourneyRef><LineRef>L</LineRef><JourneyPatternInfo><PublishedLineName>14</PublishedLineName>"
         "<VehicleMode>tram</VehicleMode></JourneyPatternInfo><siri:Reasons>r</siri:Reasons></C>",
         "VehicleActivityCancellation { recorded_at_time: Some(\"T\"), event_identity: Some(\"E\"), vehicle_monitoring_ref: "
         "Some(\"V\"), framed_vehicle_journey_ref: Some(FramedVehicleJourneyRef { data_frame_ref: Some(\"2024-05-14\"), "
         "dated_vehicle_journey_ref: Some(\"J\") }), line_ref: Some(\"L\"), journey_pattern_info: Some(JourneyPatternInfoGroup "
         "{ journey_pattern_ref: None, journey_pattern_name: None, vehicle_mode: Some(Tram), route_ref: None, "
         "published_line_name: \"14\", direction_name: None }), reasons: [\"r\"] }"},
        {"<C><FramedVehicleJourneyRef>only text</FramedVehicleJourneyRef><Reasons>r</Reasons></C>",
         cancellation("[\"r\"]", "Some(FramedVehicleJourneyRef { data_frame_ref: None, dated_vehicle_journey_ref: None })")},
        {"<C/>", "error: missing field `Reasons`"},
        {"<C><Reason>r</Reason><Reason>s</Reason></C>", "error: missing field `Reasons`"},
        {"<C><Reasons>r1</Reasons><LineRef>L</LineRef><Reasons>r2</Reasons></C>", "error: duplicate field `Reasons`"},
        // The run keeps to its first item's prefix.
        {"<C><siri:Reasons>r1</siri:Reasons><siri:Reasons>r2</siri:Reasons></C>", cancellation("[\"r1\", \"r2\"]")},
        {"<C><siri:Reasons>r1</siri:Reasons><Reasons>r2</Reasons></C>", "error: duplicate field `Reasons`"},
        {"<C><Reasons>r1</Reasons><x:Reasons>r2</x:Reasons></C>", "error: duplicate field `Reasons`"},
        {"<C><Reasons>r<b/></Reasons></C>", "error: unexpected `Event::Start(\"b\")`"},
        {"<C><JourneyPatternInfo/><Reasons>r</Reasons></C>", "error: missing field `PublishedLineName`"},
        {"<C><JourneyPatternInfo><PublishedLineName>1</PublishedLineName><VehicleMode>Bus</VehicleMode></JourneyPatternInfo>"
         "<Reasons>r</Reasons></C>",
         "error: unknown variant `Bus`, expected one of `air`, `bus`, `coach`, `ferry`, `metro`, `rail`, `tram`, `underground`"},
        {"<C><LineRef>a</LineRef><LineRef>b</LineRef><Reasons>r</Reasons></C>", "error: duplicate field `LineRef`"},
        {"<C><FramedVehicleJourneyRef><DataFrameRef/><DataFrameRef/></FramedVehicleJourneyRef><Reasons>r</Reasons></C>",
         "error: duplicate field `DataFrameRef`"},
    };
    for (const Case& c : cases) EXPECT_EQ(read_as<structures::VehicleActivityCancellation>(c.doc), c.want) << c.doc;
}

constexpr std::string_view kJourney =
    "<MonitoredVehicleJourney><LineRef>L1</LineRef><FramedVehicleJourneyRef><DatedVehicleJourneyRef>J1"
    "</DatedVehicleJourneyRef></FramedVehicleJourneyRef></MonitoredVehicleJourney>";
constexpr std::string_view kJourneyText =
    "MonitoredVehicleJourney { line_ref: \"L1\", framed_vehicle_journey_ref: FramedVehicleJourneyRef { data_frame_ref: None, "
    "dated_vehicle_journey_ref: Some(\"J1\") } }";

std::string activity(std::string_view progress = "None", std::string_view recorded = "None", std::string_view note = "None") {
    return "VehicleActivity { recorded_at_time: " + std::string(recorded) +
           ", valid_until_time: None, item_identifier: None, vehicle_monitoring_ref: None, progress_between_stops: " +
           std::string(progress) + ", monitored_vehicle_journey: " + std::string(kJourneyText) +
           ", vehicle_activity_note: " + std::string(note) + " }";
}

TEST(VehicleActivity, Reads) {
    const std::string j(kJourney);
    const Case cases[] = {
        {"<A>" + j + "</A>", activity()},
        {"<A x='1'>t<RecordedAtTime>T</RecordedAtTime><Unknown><MonitoredVehicleJourney/></Unknown>" + j +
             "<VehicleActivityNote>n</VehicleActivityNote></A>",
         activity("None", "Some(\"T\")", "Some(\"n\")")},
        {"<A><ProgressBetweenStops/>" + j + "</A>", activity("Some(" + progress("None", "None") + ")")},
        {"<A><ProgressBetweenStops><Percentage>+7</Percentage></ProgressBetweenStops>" + j + "</A>",
         activity("Some(" + progress("None", "Some(7)") + ")")},
        {"<A/>", "error: missing field `MonitoredVehicleJourney`"},
        {"<A><RecordedAtTime>T</RecordedAtTime><ProgressBetweenStops/></A>", "error: missing field `MonitoredVehicleJourney`"},
        {"<A>" + j + j + "</A>", "error: duplicate field `MonitoredVehicleJourney`"},
        {"<A><ProgressBetweenStops/><ProgressBetweenStops/>" + j + "</A>", "error: duplicate field `ProgressBetweenStops`"},
        {"<A><ProgressBetweenStops><LinkDistance>1.5</LinkDistance></ProgressBetweenStops>" + j + "</A>",
         "error: invalid type: string \"1.5\", expected i32"},
        {"<A><MonitoredVehicleJourney><FramedVehicleJourneyRef/></MonitoredVehicleJourney></A>", "error: missing field `LineRef`"},
        {"<A><MonitoredVehicleJourney><LineRef>L</LineRef></MonitoredVehicleJourney></A>",
         "error: missing field `FramedVehicleJourneyRef`"},
        {"<A><MonitoredVehicleJourney>text</MonitoredVehicleJourney></A>", "error: missing field `LineRef`"},
    };
    for (const Case& c : cases) EXPECT_EQ(read_as<structures::VehicleActivity>(c.doc), c.want) << c.doc;
}

// The delivery's two lists: runs of one name and one prefix.
TEST(VehicleMonitoringDelivery, ListRuns) {
    const std::string j(kJourney);
    const std::string a = "<VehicleActivity>" + j + "</VehicleActivity>";
    const std::string c = "<VehicleActivityCancellation><Reasons>r</Reasons></VehicleActivityCancellation>";
    const std::string leader =
        "VehicleMonitoringDelivery { leader: XxxDelivery { response_timestamp: \"T\", request_message_ref: None, "
        "subscriber_ref: None, subscription_ref: None, status: None, valid_until: None, shortest_possible_cycle: None }, ";
    const std::string one_cancellation = cancellation("[\"r\"]");
    auto delivery = [](const std::string& children) {
        return "<VehicleMonitoringDelivery><ResponseTimestamp>T</ResponseTimestamp>" + children + "</VehicleMonitoringDelivery>";
    };
    const Case cases[] = {
        {delivery(""), leader + "vehicle_activity: None, vehicle_activity_cancellation: None }"},
        {delivery(a + a + " \n " + c),
         leader + "vehicle_activity: Some([" + activity() + ", " + activity() + "]), vehicle_activity_cancellation: Some([" +
             one_cancellation + "]) }"},
        {delivery(c + a),
         leader + "vehicle_activity: Some([" + activity() + "]), vehicle_activity_cancellation: Some([" + one_cancellation + "]) }"},
        {delivery("<siri:VehicleActivity>" + j + "</siri:VehicleActivity><siri:VehicleActivity>" + j + "</siri:VehicleActivity>"),
         leader + "vehicle_activity: Some([" + activity() + ", " + activity() + "]), vehicle_activity_cancellation: None }"},
        {delivery("<siri:VehicleActivity>" + j + "</siri:VehicleActivity>" + a), "error: duplicate field `VehicleActivity`"},
        {delivery(a + c + a), "error: duplicate field `VehicleActivity`"},
        {delivery(c + a + c), "error: duplicate field `VehicleActivityCancellation`"},
        {delivery(a + "stray" + a), "error: invalid type: string \"stray\", expected struct VehicleActivity"},
        {delivery(c + "stray"), "error: invalid type: string \"stray\", expected struct VehicleActivityCancellation"},
        {delivery("<VehicleActivity/>"), "error: missing field `MonitoredVehicleJourney`"},
        {delivery("<VehicleActivityCancellation/>"), "error: missing field `Reasons`"},
    };
    for (const Case& k : cases) EXPECT_EQ(read_as<deliveries::VehicleMonitoringDelivery>(k.doc), k.want) << k.doc;
}


TEST(VehicleMonitoring, ExampleDocument) {
    const std::string doc = file(QUAYMARK_DOCUMENTS "/../../examples/vehicle_monitoring.xml");
    std::string want = file(QUAYMARK_DOCUMENTS "/vehicle_monitoring.expected");
    ASSERT_FALSE(doc.empty());
    ASSERT_FALSE(want.empty());
    want.pop_back();  // the file's last newline
    EXPECT_EQ(quaymark::text_form(SIRI::from_str(doc)), want);
}

}  // namespace
