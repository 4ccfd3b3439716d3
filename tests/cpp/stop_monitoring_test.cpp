// Stop monitoring payload: visits, their vehicle journeys and cancellations, read from whole
// documents. Each case gives the delivery's content; the outcome is the text form of its two
// lists, or the parse message.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include "bind/render.hpp"
#include "siri.hpp"

namespace {

using namespace quaymark;

std::string document(const std::string& delivery_content) {
    return "<Siri><Body><NotifyStopMonitoring><ServiceDeliveryInfo><ProducerRef>P</ProducerRef>"
           "</ServiceDeliveryInfo><Notification><StopMonitoringDelivery>"
           "<ResponseTimestamp>T0</ResponseTimestamp>" +
           delivery_content + "</StopMonitoringDelivery></Notification></NotifyStopMonitoring></Body></Siri>";
}

std::string outcome(const std::string& delivery_content) {
    try {
        models::Envelope env = SIRI::from_str(document(delivery_content));
        const auto& d = std::get<services::NotifyStopMonitoring>(env.body.service_type)
                            .notification.stop_monitoring_delivery;
        return bind::text_form(d.monitored_stop_visit) + " | " + bind::text_form(d.monitored_stop_visit_cancellation);
    } catch (const ParseError& e) {
        return e.message();
    }
}

// A visit whose journey holds only what is given.
std::string visit(const std::string& journey) {
    return "<MonitoredStopVisit><RecordedAtTime>T1</RecordedAtTime><ItemIdentifier>I1</ItemIdentifier>"
           "<MonitoringRef>S1</MonitoringRef><MonitoredVehicleJourney>" +
           journey + "</MonitoredVehicleJourney></MonitoredStopVisit>";
}

const std::string kJourney = "<LineRef>L1</LineRef><FramedVehicleJourneyRef/>";
const std::string kVisitShown =
    "MonitoredStopVisit { recorded_at_time: \"T1\", item_identifier: \"I1\", monitoring_ref: \"S1\", "
    "monitored_vehicle_journey: MonitoredVehicleJourney { line_ref: \"L1\", framed_vehicle_journey_ref: "
    "FramedVehicleJourneyRef { data_frame_ref: None, dated_vehicle_journey_ref: None } } }";
const std::string kBareCancellation =
    "MonitoredStopVisitCancellation { recorded_at_time: \"T2\", event_identity: None, monitoring_ref: None, "
    "line_ref: None, vehicle_journey_ref: None, journey_pattern_info: None, message_reason: None }";

struct Case {
    std::string content;
    std::string expected;
};

const Case kCases[] = {
    // Visits and their journeys.
    {visit(kJourney), "Some([" + kVisitShown + "]) | None"},
    {visit(kJourney) + visit(kJourney), "Some([" + kVisitShown + ", " + kVisitShown + "]) | None"},
    {visit("<DirectionRef>out</DirectionRef><x:LineRef a='b'>L1</x:LineRef><MonitoredCall><StopPointRef>S"
           "</StopPointRef><LineRef>L9</LineRef><OnwardCall><LineRef/></OnwardCall></MonitoredCall>"
           "<PublishedLineName>1</PublishedLineName><FramedVehicleJourneyRef/><OnwardCall/>"),
     "Some([" + kVisitShown + "]) | None"},
    {visit("<LineRef>L1</LineRef><FramedVehicleJourneyRef>text only<DatedVehicleJourneyRef>VJ"
           "</DatedVehicleJourneyRef><DataFrameRef>F</DataFrameRef></FramedVehicleJourneyRef>"),
     "Some([MonitoredStopVisit { recorded_at_time: \"T1\", item_identifier: \"I1\", monitoring_ref: \"S1\", "
     "monitored_vehicle_journey: MonitoredVehicleJourney { line_ref: \"L1\", framed_vehicle_journey_ref: "
     "FramedVehicleJourneyRef { data_frame_ref: Some(\"F\"), dated_vehicle_journey_ref: Some(\"VJ\") } } }]) | None"},
    {"<MonitoredStopVisit><RecordedAtTime/><ItemIdentifier></ItemIdentifier><MonitoringRef> </MonitoringRef>"
     "<MonitoredVehicleJourney><LineRef/><FramedVehicleJourneyRef/></MonitoredVehicleJourney></MonitoredStopVisit>",
     "Some([MonitoredStopVisit { recorded_at_time: \"\", item_identifier: \"\", monitoring_ref: \"\", "
     "monitored_vehicle_journey: MonitoredVehicleJourney { line_ref: \"\", framed_vehicle_journey_ref: "
     "FramedVehicleJourneyRef { data_frame_ref: None, dated_vehicle_journey_ref: None } } }]) | None"},
    {"<MonitoredStopVisit/>", "missing field `RecordedAtTime`"},
    {"<MonitoredStopVisit><RecordedAtTime>T</RecordedAtTime><MonitoringRef>S</MonitoringRef></MonitoredStopVisit>",
     "missing field `ItemIdentifier`"},
    {"<MonitoredStopVisit><RecordedAtTime>T</RecordedAtTime><ItemIdentifier>I</ItemIdentifier>"
     "<MonitoredVehicleJourney/></MonitoredStopVisit>",
     "missing field `LineRef`"},
    {"<MonitoredStopVisit><RecordedAtTime>T</RecordedAtTime><ItemIdentifier>I</ItemIdentifier>"
     "<MonitoringRef>S</MonitoringRef></MonitoredStopVisit>",
     "missing field `MonitoredVehicleJourney`"},
    {visit("<LineRef>L1</LineRef>"), "missing field `FramedVehicleJourneyRef`"},
    {visit("<FramedVehicleJourneyRef/>"), "missing field `LineRef`"},
    {visit("<LineRef>L1</LineRef><LineRef>L1</LineRef><FramedVehicleJourneyRef/>"), "duplicate field `LineRef`"},
    {visit("<LineRef>L1</LineRef><FramedVehicleJourneyRef/><FramedVehicleJourneyRef/>"),
     "duplicate field `FramedVehicleJourneyRef`"},
    {visit("<LineRef>L1</LineRef><FramedVehicleJourneyRef><DataFrameRef/><DataFrameRef/></FramedVehicleJourneyRef>"),
     "duplicate field `DataFrameRef`"},
    {"<MonitoredStopVisit><ItemIdentifier>I</ItemIdentifier><ItemIdentifier>I</ItemIdentifier></MonitoredStopVisit>",
     "duplicate field `ItemIdentifier`"},
    {visit("<LineRef><Code>L1</Code></LineRef>"), "unexpected `Event::Start(\"Code\")`"},

    // The runs of the delivery's two lists.
    {visit(kJourney) + "<MonitoringRef>S</MonitoringRef>" + visit(kJourney), "duplicate field `MonitoredStopVisit`"},
    {visit(kJourney) + "between" + visit(kJourney),
     "invalid type: string \"between\", expected struct MonitoredStopVisit"},
    {visit(kJourney) + "after", "invalid type: string \"after\", expected struct MonitoredStopVisit"},
    {visit(kJourney) + "\n  " + visit(kJourney), "Some([" + kVisitShown + ", " + kVisitShown + "]) | None"},
    {"<siri:MonitoredStopVisit><RecordedAtTime>T1</RecordedAtTime><ItemIdentifier>I1</ItemIdentifier>"
     "<MonitoringRef>S1</MonitoringRef><MonitoredVehicleJourney>" +
         kJourney + "</MonitoredVehicleJourney></siri:MonitoredStopVisit>" + visit(kJourney),
     "duplicate field `MonitoredStopVisit`"},
    {"<MonitoredStopVisitCancellation><RecordedAtTime>T2</RecordedAtTime></MonitoredStopVisitCancellation>x",
     "invalid type: string \"x\", expected struct MonitoredStopVisitCancellation"},

    // Cancellations.
    {"<MonitoredStopVisitCancellation><RecordedAtTime>T2</RecordedAtTime></MonitoredStopVisitCancellation>",
     "None | Some([" + kBareCancellation + "])"},
    {visit(kJourney) +
         "<MonitoredStopVisitCancellation><RecordedAtTime>T2</RecordedAtTime></MonitoredStopVisitCancellation>"
         "<MonitoredStopVisitCancellation><MessageReason>gone</MessageReason><LineRef>L</LineRef>"
         "<RecordedAtTime>T3</RecordedAtTime><VehicleJourneyRef>VJ-1</VehicleJourneyRef>"
         "<EventIdentity>E</EventIdentity><MonitoringRef>M</MonitoringRef><JourneyPatternInfo>"
         "<VehicleMode>ferry</VehicleMode><PublishedLineName>F1</PublishedLineName></JourneyPatternInfo>"
         "</MonitoredStopVisitCancellation>",
     "Some([" + kVisitShown + "]) | Some([" + kBareCancellation +
         ", MonitoredStopVisitCancellation { recorded_at_time: \"T3\", event_identity: Some(\"E\"), "
         "monitoring_ref: Some(\"M\"), line_ref: Some(\"L\"), vehicle_journey_ref: Some(FramedVehicleJourneyRef { "
         "data_frame_ref: None, dated_vehicle_journey_ref: None }), journey_pattern_info: "
         "Some(JourneyPatternInfoGroup { journey_pattern_ref: None, journey_pattern_name: None, "
         "vehicle_mode: Some(Ferry), route_ref: None, published_line_name: \"F1\", direction_name: None }), "
         "message_reason: Some(\"gone\") }])"},
    {"<MonitoredStopVisitCancellation><LineRef>L</LineRef></MonitoredStopVisitCancellation>",
     "missing field `RecordedAtTime`"},
    {"<MonitoredStopVisitCancellation><RecordedAtTime>T</RecordedAtTime><JourneyPatternInfo><RouteRef>R"
     "</RouteRef></JourneyPatternInfo></MonitoredStopVisitCancellation>",
     "missing field `PublishedLineName`"},
    {"<MonitoredStopVisitCancellation><RecordedAtTime>T</RecordedAtTime><JourneyPatternInfo><VehicleMode>"
     "</VehicleMode><PublishedLineName>1</PublishedLineName></JourneyPatternInfo></MonitoredStopVisitCancellation>",
     "unknown variant `$text`, expected one of `air`, `bus`, `coach`, `ferry`, `metro`, `rail`, `tram`, "
     "`underground`"},
    {"<MonitoredStopVisitCancellation><RecordedAtTime>T</RecordedAtTime><MessageReason/><MessageReason/>"
     "</MonitoredStopVisitCancellation>",
     "duplicate field `MessageReason`"},
    {"<MonitoredStopVisitCancellation><RecordedAtTime>T</RecordedAtTime><VehicleJourneyRef/><VehicleJourneyRef/>"
     "</MonitoredStopVisitCancellation>",
     "duplicate field `VehicleJourneyRef`"},
};

TEST(StopMonitoring, VisitsJourneysAndCancellations) {
    for (const Case& c : kCases) EXPECT_EQ(outcome(c.content), c.expected) << c.content;
}

TEST(StopMonitoring, ExampleNotification) {
    // The example lives at the top of the source tree, two levels above this file.
    std::string path = __FILE__;
    path = path.substr(0, path.rfind("tests/cpp/")) + "examples/stop_monitoring.xml";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::stringstream buf;
    buf << in.rdbuf();
    EXPECT_EQ(
        text_form(SIRI::from_str(buf.str())),
        "Envelope { body: Body(StopMonitoring(NotifyStopMonitoring { service_delivery_info: ServiceDeliveryInfo { "
        "response_timestamp: Some(\"2024-05-14T08:15:02.318+02:00\"), producer_ref: \"TRANSIT-SM\", "
        "request_message_identifier: None, response_message_ref: None }, notification: StopMonitoringNotification { "
        "stop_monitoring_delivery: StopMonitoringDelivery { leader: XxxDelivery { response_timestamp: "
        "\"2024-05-14T08:15:02.318+02:00\", request_message_ref: Some(\"SUB-2024-05-14-0001\"), subscriber_ref: "
        "Some(\"SUBSCRIBER-42\"), subscription_ref: Some(\"SM-QUAI-CENTRAL\"), status: Some(true), valid_until: None, "
        "shortest_possible_cycle: None }, monitoring_ref: Some(\"STOP:CENTRAL:Q1\"), monitored_stop_visit: "
        "Some([MonitoredStopVisit { recorded_at_time: \"2024-05-14T08:14:58.000+02:00\", item_identifier: "
        "\"SMV-CENTRAL-Q1-L12-0815\", monitoring_ref: \"STOP:CENTRAL:Q1\", monitored_vehicle_journey: "
        "MonitoredVehicleJourney { line_ref: \"LINE:12\", framed_vehicle_journey_ref: FramedVehicleJourneyRef { "
        "data_frame_ref: Some(\"2024-05-14\"), dated_vehicle_journey_ref: Some(\"VJ:12:0742\") } } }, "
        "MonitoredStopVisit { recorded_at_time: \"2024-05-14T08:15:00.000+02:00\", item_identifier: "
        "\"SMV-CENTRAL-Q1-T2-0819\", monitoring_ref: \"STOP:CENTRAL:Q1\", monitored_vehicle_journey: "
        "MonitoredVehicleJourney { line_ref: \"LINE:T2\", framed_vehicle_journey_ref: FramedVehicleJourneyRef { "
        "data_frame_ref: Some(\"2024-05-14\"), dated_vehicle_journey_ref: Some(\"VJ:T2:0801\") } } }]), "
        "monitored_stop_visit_cancellation: Some([MonitoredStopVisitCancellation { recorded_at_time: "
        "\"2024-05-14T08:15:01.000+02:00\", event_identity: Some(\"SMV-CENTRAL-Q1-L12-0830\"), monitoring_ref: "
        "Some(\"STOP:CENTRAL:Q1\"), line_ref: Some(\"LINE:12\"), vehicle_journey_ref: Some(FramedVehicleJourneyRef { "
        "data_frame_ref: Some(\"2024-05-14\"), dated_vehicle_journey_ref: Some(\"VJ:12:0757\") }), "
        "journey_pattern_info: Some(JourneyPatternInfoGroup { journey_pattern_ref: Some(\"JP:12:A\"), "
        "journey_pattern_name: None, vehicle_mode: Some(Bus), route_ref: None, published_line_name: \"12\", "
        "direction_name: Some(\"Harbour\") }), message_reason: Some(\"Vehicle breakdown\") }]) } } })) }");
}

}  // namespace
