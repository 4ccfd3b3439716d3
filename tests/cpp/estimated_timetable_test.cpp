// Estimated timetable: the estimated call reader, the journey reader, the journey record and
// the frame; the call detail records' text form.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "models/estimated_journey_version_frame.hpp"
#include "siri.hpp"
#include "structures/calls.hpp"
#include "structures/recorded_call.hpp"
#include "support.hpp"
#include "xml/reader.hpp"

namespace {

using namespace quaymark;
using structures::EstimatedCall;
using Journey = models::EstimatedVehicleJourney;
using Frame = models::EstimatedJourneyVersionFrame;

struct Case {
    std::string doc;
    std::string want;
};

// Reads the document's root element as a T and hands it to `show`; "error: " and the message
// on failure.
template <class T, class Show>
std::string read_as(std::string_view doc, Show show) {
    try {
        xml::Reader r = xml::Reader::document(doc);
        xml::Event start = r.next();
        return show(bind::read_element<T>(r, start));
    } catch (const ParseError& e) {
        return "error: " + e.message();
    }
}
template <class T>
std::string read_as(std::string_view doc) {
    return read_as<T>(doc, [](const T& v) { return bind::text_form(v); });
}

// The calls of a journey by their stop references.
std::string stops(const Journey& j) {
    std::string out;
    for (const auto& c : j.estimated_calls) {
        if (!out.empty()) out += ',';
        out += c.stop_point_ref.value_or("-");
    }
    return "[" + out + "]";
}
std::string journey_stops(std::string_view doc) { return read_as<Journey>(doc, stops); }

std::string file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string repeat(std::string_view s, std::size_t n) {
    std::string out;
    out.reserve(s.size() * n);
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

std::string call(std::string_view stop) { return "<EstimatedCall><StopPointRef>" + std::string(stop) + "</StopPointRef></EstimatedCall>"; }
std::string calls_item(std::string_view stop) { return "<EstimatedCalls><StopPointRef>" + std::string(stop) + "</StopPointRef></EstimatedCalls>"; }
std::string wrapper(std::string_view inner) { return "<EstimatedCalls>" + std::string(inner) + "</EstimatedCalls>"; }

// An EstimatedCall's text form with every field absent except the ones given, in field order.
const char* const kCallFields[] = {
    "stop_point_ref", "order", "stop_point_name", "extra_call", "cancellation", "occupancy", "platform_traversal",
    "destination_display", "aimed_arrival_time", "expected_arrival_time", "arrival_status", "arrival_proximity_text",
    "arrival_platform_name", "arrival_stop_assignment", "aimed_quay_name", "aimed_departure_time",
    "expected_departure_time", "departure_status", "departure_platform_name", "departure_boarding_activity"};
std::string call_form(std::initializer_list<std::pair<std::string_view, std::string_view>> set = {}) {
    std::string out = "EstimatedCall { ";
    bool first = true;
    for (std::string_view f : kCallFields) {
        if (!first) out += ", ";
        first = false;
        out += f;
        out += ": ";
        std::string value = "None";
        for (auto [name, v] : set)
            if (name == f) value = "Some(" + std::string(v) + ")";
        out += value;
    }
    return out + " }";
}

// The call reader departs from the common record rules in six ways.
TEST(EstimatedCall, SixDepartures) {
    const Case cases[] = {
        // No field is required.
        {"<EstimatedCall/>", call_form()},
        {"<EstimatedCall></EstimatedCall>", call_form()},
        // A repeated child replaces the earlier value; a later run of proximity texts the whole list.
        {"<EstimatedCall><StopPointRef>A</StopPointRef><Order>1</Order><StopPointRef>B</StopPointRef></EstimatedCall>",
         call_form({{"stop_point_ref", "\"B\""}, {"order", "1"}})},
        {"<EstimatedCall><ArrivalProximityText>a</ArrivalProximityText><ArrivalProximityText>b</ArrivalProximityText>"
         "<Other/><ArrivalProximityText>c</ArrivalProximityText></EstimatedCall>",
         call_form({{"arrival_proximity_text", "[\"c\"]"}})},
        // An unrecognised child is read whole as a generic value and dropped, its attributes included;
        // what it holds must still read.
        {"<EstimatedCall>text<Foo version='1' a='&amp;'>x<Bar><Baz/></Bar>y</Foo><siri:Order>5</siri:Order></EstimatedCall>",
         call_form({{"order", "5"}})},
        {"<EstimatedCall><Foo>&bogus;</Foo></EstimatedCall>", "error: at 1..6: unrecognized entity `bogus`"},
        {"<EstimatedCall><Foo a='&bogus;'/></EstimatedCall>", "error: at 1..6: unrecognized entity `bogus`"},
        {"<EstimatedCall><Foo a='1' a='2'/></EstimatedCall>",
         "error: error while parsing attribute: position 10: duplicated attribute, previous declaration at position 4"},
        // A nested call is the result at once; the outer call's later children are left to its holder.
        {"<EstimatedCall><Order>3</Order><EstimatedCall><Order>4</Order></EstimatedCall><StopPointRef>X</StopPointRef></EstimatedCall>",
         call_form({{"order", "4"}})},
        {"<EstimatedCall><Order>3</Order><EstimatedCall/></EstimatedCall>", call_form()},
        {"<EstimatedCall><EstimatedCall><Order>x</Order></EstimatedCall></EstimatedCall>",
         "error: invalid type: string \"x\", expected u32"},
        // An attribute on the call's own element fails, a namespace declaration included.
        {"<EstimatedCall version=\"2.0\"/>", "error: invalid type: string \"@version\", expected a borrowed string"},
        {"<EstimatedCall siri:version=\"2.0\"><Order>1</Order></EstimatedCall>",
         "error: invalid type: string \"@version\", expected a borrowed string"},
        {"<EstimatedCall xmlns:siri=\"u\"/>", "error: invalid type: string \"@xmlns:siri\", expected a borrowed string"},
        {"<EstimatedCall><EstimatedCall xmlns=\"u\"/></EstimatedCall>",
         "error: invalid type: string \"@xmlns\", expected a borrowed string"},
    };
    for (const auto& c : cases) EXPECT_EQ(read_as<EstimatedCall>(c.doc), c.want) << c.doc;
}

TEST(EstimatedCall, Values) {
    const Case cases[] = {
        {"<EstimatedCall><StopPointRef/></EstimatedCall>", call_form({{"stop_point_ref", "\"\""}})},
        {"<EstimatedCall><Order/></EstimatedCall>", "error: invalid type: string \"\", expected u32"},
        {"<EstimatedCall><ExtraCall/></EstimatedCall>", "error: invalid type: string \"\", expected a boolean"},
        {"<EstimatedCall><ExtraCall>1</ExtraCall><Cancellation>false</Cancellation><PlatformTraversal>true</PlatformTraversal>"
         "<Occupancy>seatsAvailable</Occupancy><ArrivalStatus>noReport</ArrivalStatus><DepartureStatus>departed</DepartureStatus>"
         "<DepartureBoardingActivity>passThru</DepartureBoardingActivity><ArrivalStopAssignment>Q &amp; 1</ArrivalStopAssignment></EstimatedCall>",
         call_form({{"extra_call", "true"}, {"cancellation", "false"}, {"occupancy", "SeatsAvailable"},
                    {"platform_traversal", "true"}, {"arrival_status", "NoReport"}, {"arrival_stop_assignment", "\"Q & 1\""},
                    {"departure_status", "Departed"}, {"departure_boarding_activity", "PassThru"}})},
        {"<EstimatedCall><Occupancy>SeatsAvailable</Occupancy></EstimatedCall>",
         "error: unknown variant `SeatsAvailable`, expected one of `full`, `seatsAvailable`, `standingAvailable`, `unknown`, "
         "`empty`, `manySeatAvailable`, `fewSeatAvailable`, `standingRoomOnly`, `crushStandingRoomOnly`, `notAcceptingPassengers`"},
        {"<EstimatedCall><StopPointRef>A<B/></StopPointRef></EstimatedCall>", "error: unexpected `Event::Start(\"B\")`"},
        {"<EstimatedCall><Order>1</Order>", "error: ill-formed document: start tag not closed: `</EstimatedCall>` not found before end of input"},
        {"<EstimatedCall><EstimatedCall><Order>1</Order>",
         "error: ill-formed document: start tag not closed: `</EstimatedCall>` not found before end of input"},
    };
    for (const auto& c : cases) EXPECT_EQ(read_as<EstimatedCall>(c.doc), c.want) << c.doc;
}

// Single calls are appended; a run of "EstimatedCalls" replaces what was collected.
TEST(EstimatedVehicleJourney, CallsCollected) {
    const Case cases[] = {
        {"<J/>", "[]"},
        {"<J>" + call("A") + call("B") + "</J>", "[A,B]"},
        {"<J>" + call("A") + calls_item("B") + calls_item("C") + call("D") + "</J>", "[B,C,D]"},
        {"<J>" + calls_item("A") + "<Other/>" + calls_item("B") + "</J>", "[B]"},
        {"<J>" + calls_item("A") + "<siri:EstimatedCalls><StopPointRef>B</StopPointRef></siri:EstimatedCalls></J>", "[B]"},
        // The standard form: calls wrapped in one "EstimatedCalls" element.
        {"<J>" + wrapper(call("A") + call("B") + call("C")) + "</J>", "[A,B,C]"},
        {"<J>" + call("Z") + wrapper(call("A") + call("B")) + "</J>", "[A,B]"},
        {"<J>" + wrapper(call("A")) + wrapper(call("B")) + "</J>", "[A,B]"},
        {"<J>" + wrapper(call("A") + call("B")) + "<Other/>" + wrapper(call("C")) + "</J>", "[C]"},
        // A wrapper's own fields before its first call are dropped with it.
        {"<J>" + wrapper("<StopPointRef>W</StopPointRef>" + call("A")) + "</J>", "[A]"},
        // What follows an abandoned call is met by the journey; the journey ends at its own end tag.
        {"<J><EstimatedCall><EstimatedCall><StopPointRef>A</StopPointRef></EstimatedCall>" + call("B") +
             "</EstimatedCall>" + call("C") + "</J>",
         "[A,B,C]"},
        {"<J>" + wrapper(call("A") + "text") + "</J>",
         "error: invalid type: string \"text\", expected an XML element representing EstimatedCall"},
        {"<J>" + calls_item("A") + " text " + calls_item("B") + "</J>",
         "error: invalid type: string \"text\", expected an XML element representing EstimatedCall"},
        {"<J>" + wrapper(call("A") + "</Other>") + "</J>",
         "error: ill-formed document: expected `</EstimatedCalls>`, but `</Other>` was found"},
        {"<J>" + wrapper(call("A")), "error: ill-formed document: start tag not closed: `</J>` not found before end of input"},
    };
    for (const auto& c : cases) EXPECT_EQ(journey_stops(c.doc), c.want) << c.doc;
}

// The journey record is completed from its children; a passed-over child never fails the journey.
TEST(EstimatedVehicleJourney, Completion) {
    auto field = [](auto Journey::*m) {
        return [m](std::string_view doc) {
            return read_as<Journey>(doc, [m](const Journey& j) { return bind::text_form(j.*m); });
        };
    };
    auto line = field(&Journey::line_ref);
    auto vehicle = field(&Journey::vehicle_ref);
    auto extra = field(&Journey::extra_journey);
    auto framed = field(&Journey::framed_vehicle_journey_ref);
    auto id = field(&Journey::journey_identifier);
    const struct {
        std::function<std::string(std::string_view)> get;
        std::string doc;
        std::string want;
    } cases[] = {
        {line, "<J/>", "\"\""},
        {line, "<J><LineRef> L1 </LineRef></J>", "\"L1\""},
        {line, "<J><siri:LineRef>L1</siri:LineRef><LineRef>L2</LineRef></J>", "\"L2\""},
        {line, "<J><LineRef>L<x/></LineRef></J>", "\"\""},
        {vehicle, "<J><VehicleRef>V</VehicleRef></J>", "Some(\"V\")"},
        {vehicle, "<J><VehicleRef/></J>", "Some(\"\")"},
        {vehicle, "<J><VehicleRef a='&bogus;'>a &lt; <![CDATA[<b>]]><!-- c --></VehicleRef></J>", "Some(\"a < <b>\")"},
        {vehicle, "<J><VehicleRef>a&bogus;</VehicleRef></J>", "None"},
        {vehicle, "<J><VehicleRef>V</VehicleRef><VehicleRef><Ref>V</Ref></VehicleRef></J>", "None"},
        {vehicle, "<J><VehicleRef>V<Ref>W</Ref></VehicleRef></J>", "None"},
        {extra, "<J><ExtraJourney>1</ExtraJourney></J>", "Some(true)"},
        {extra, "<J><ExtraJourney> false </ExtraJourney></J>", "Some(false)"},
        {extra, "<J><ExtraJourney>yes</ExtraJourney></J>", "None"},
        {extra, "<J><ExtraJourney/></J>", "None"},
        {framed, "<J><FramedVehicleJourneyRef><DataFrameRef>D</DataFrameRef><Other/><DatedVehicleJourneyRef>R</DatedVehicleJourneyRef></FramedVehicleJourneyRef></J>",
         "Some(FramedVehicleJourneyRef { data_frame_ref: Some(\"D\"), dated_vehicle_journey_ref: Some(\"R\") })"},
        {framed, "<J><FramedVehicleJourneyRef/></J>", "Some(FramedVehicleJourneyRef { data_frame_ref: None, dated_vehicle_journey_ref: None })"},
        {framed, "<J><FramedVehicleJourneyRef><DataFrameRef>D</DataFrameRef><DataFrameRef>E</DataFrameRef></FramedVehicleJourneyRef></J>", "None"},
        {framed, "<J><FramedVehicleJourneyRef><DataFrameRef><x/></DataFrameRef></FramedVehicleJourneyRef></J>", "None"},
        {id, "<J><EstimatedVehicleJourneyCode>E1</EstimatedVehicleJourneyCode></J>", "Some(EstimatedVehicleJourneyCode(\"E1\"))"},
        {id, "<J><JourneyIdentifier>E1</JourneyIdentifier><VehicleJourneyName>N</VehicleJourneyName></J>", "None"},
        // The two children read as text still fail on what text cannot hold.
        {id, "<J><EstimatedVehicleJourneyCode>E<x/></EstimatedVehicleJourneyCode></J>", "error: unexpected `Event::Start(\"x\")`"},
        {id, "<J><VehicleJourneyName>&bogus;</VehicleJourneyName></J>", "error: at 1..6: unrecognized entity `bogus`"},
        // Passing over still needs well-formed markup, and the journey's own element takes no attribute.
        {line, "<J><LineRef>L</Wrong></J>", "error: ill-formed document: expected `</LineRef>`, but `</Wrong>` was found"},
        {line, "<J><Monitored><a></b></Monitored></J>", "error: ill-formed document: expected `</a>`, but `</b>` was found"},
        {line, "<J version=\"2.0\"><LineRef>L</LineRef></J>", "error: invalid type: string \"@version\", expected a borrowed string"},
        {line, "<J><LineRef>L</LineRef>", "error: ill-formed document: start tag not closed: `</J>` not found before end of input"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.get(c.doc), c.want) << c.doc;
}

TEST(EstimatedVehicleJourney, EveryFieldAndTextForm) {
    const std::string doc =
        "<J>text<LineRef>L</LineRef><PublishedLineName>P</PublishedLineName><DirectionRef>D</DirectionRef>"
        "<DatedVehiculeJourneyRef>DV</DatedVehiculeJourneyRef><Cancellation>C</Cancellation><ExtraJourney>0</ExtraJourney>"
        "<JourneyPatternName>JPN</JourneyPatternName><JourneyPatternInfo><PublishedLineName>X</PublishedLineName></JourneyPatternInfo>"
        "<VehicleMode>bus</VehicleMode><OriginRef>OR</OriginRef><OriginName>ON</OriginName><DestinationRef>DR</DestinationRef>"
        "<DestinationName>DN</DestinationName><OperatorRef>OP</OperatorRef><ProductCategoryRef>PC</ProductCategoryRef>"
        "<TrainNumbers><TrainNumberRef>1</TrainNumberRef></TrainNumbers><VehiculeJourneyName>VJN</VehiculeJourneyName>"
        "<OriginAimedDepartureTime>OAD</OriginAimedDepartureTime><DestinationAimedArrivalTime>DAA</DestinationAimedArrivalTime>"
        "<RecordedCalls><RecordedCall><StopPointRef>S</StopPointRef></RecordedCall></RecordedCalls>"
        "<EstimatedCall><Order>1</Order></EstimatedCall>"
        "<FramedVehicleJourneyRef><DataFrameRef>F</DataFrameRef></FramedVehicleJourneyRef><DataSource>DS</DataSource>"
        "<VehicleRef>VR</VehicleRef><AimedDepartureTime>AD</AimedDepartureTime><AimedArrivalTime>AA</AimedArrivalTime>"
        "<JourneyNote>JN</JourneyNote><HeadwayService>HS</HeadwayService><FirstOrLastJourney>FL</FirstOrLastJourney>"
        "<DisruptionGroup>DG</DisruptionGroup><JourneyProgressInfo>JP</JourneyProgressInfo><Monitored>true</Monitored></J>";
    EXPECT_EQ(read_as<Journey>(doc),
              "EstimatedVehicleJourney { line_ref: \"L\", published_line_name: Some(\"P\"), direction_ref: Some(\"D\"), "
              "journey_identifier: None, dated_vehicule_journey_ref: Some(\"DV\"), cancellation: Some(\"C\"), "
              "extra_journey: Some(false), journey_pattern_name: Some(\"JPN\"), journey_pattern_info: None, "
              "vehicle_mode: Some(\"bus\"), origin_ref: Some(\"OR\"), origin_name: Some(\"ON\"), destination_ref: Some(\"DR\"), "
              "destination_name: Some(\"DN\"), operator_ref: Some(\"OP\"), product_category_ref: Some(\"PC\"), "
              "train_numbers: None, vehicule_journey_name: Some(\"VJN\"), origin_aimed_departure_time: Some(\"OAD\"), "
              "destination_aimed_arrival_time: Some(\"DAA\"), recorded_calls: [], estimated_calls: [" +
                  call_form({{"order", "1"}}) +
                  "], framed_vehicle_journey_ref: Some(FramedVehicleJourneyRef { data_frame_ref: Some(\"F\"), "
                  "dated_vehicle_journey_ref: None }), data_source: Some(\"DS\"), vehicle_ref: Some(\"VR\"), "
                  "aimed_departure_time: Some(\"AD\"), aimed_arrival_time: Some(\"AA\"), journey_note: Some(\"JN\"), "
                  "headway_service: Some(\"HS\"), first_or_last_journey: Some(\"FL\"), disruption_group: Some(\"DG\"), "
                  "journey_progress_info: Some(\"JP\") }");

    Journey j;
    using Id = decltype(structures::JourneyIdentifier::value);
    j.journey_identifier = structures::JourneyIdentifier{
        Id(std::in_place_index<2>, structures::DatedVehicleJourneyIndirectRef{"O", "T1", "D", "T2"})};
    std::string form = bind::text_form(j);
    EXPECT_NE(form.find("journey_identifier: Some(DatedVehicleJourneyIndirectRef(DatedVehicleJourneyIndirectRef { "
                        "origin_ref: \"O\", aimed_departure_time: \"T1\", destination_ref: \"D\", aimed_arrival_time: \"T2\" }))"),
              std::string::npos)
        << form;
    j.journey_identifier = structures::JourneyIdentifier{Id(std::in_place_index<0>, "R")};
    EXPECT_NE(bind::text_form(j).find("journey_identifier: Some(DatedVehicleJourneyRef(\"R\"))"), std::string::npos);
}

std::string frame_of(std::string_view content) { return "<Frame>" + std::string(content) + "</Frame>"; }
std::string frame_summary(const Frame& f) {
    std::string out = f.recorded_at_time + " " + bind::text_form(f.version_ref);
    for (const auto& j : f.estimated_vehicle_journey) out += " " + j.line_ref + stops(j);
    return out;
}

TEST(EstimatedJourneyVersionFrame, Reads) {
    const std::string at = "<RecordedAtTime>T</RecordedAtTime>";
    auto journey = [](std::string_view line, std::string_view calls) {
        return "<EstimatedVehicleJourney><LineRef>" + std::string(line) + "</LineRef>" + std::string(calls) + "</EstimatedVehicleJourney>";
    };
    const Case cases[] = {
        {frame_of(at + journey("L1", wrapper(call("A") + call("B"))) + journey("L2", wrapper(call("C")))), "T None L1[A,B] L2[C]"},
        {frame_of("<VersionRef/>" + at + "<EstimatedVehicleJourney/>"), "T Some(\"\") []"},
        {frame_of(at), "error: missing field `EstimatedVehicleJourney`"},
        {frame_of(""), "error: missing field `RecordedAtTime`"},
        {frame_of(at + journey("L1", "") + "<VersionRef>V</VersionRef>" + journey("L2", "")),
         "error: duplicate field `EstimatedVehicleJourney`"},
        {frame_of(at + journey("L1", "") + "text" + journey("L2", "")),
         "error: invalid type: string \"text\", expected an XML element representing EstimatedVehicleJourney"},
        {frame_of(at + "<EstimatedVehicleJourney version='2'/>"), "error: invalid type: string \"@version\", expected a borrowed string"},
    };
    for (const auto& c : cases) EXPECT_EQ(read_as<Frame>(c.doc, frame_summary), c.want) << c.doc;
}

// The example document: two journeys, each with its calls wrapped in "EstimatedCalls".
TEST(EstimatedJourneyVersionFrame, ExampleDocument) {
    const std::string doc = file(QUAYMARK_DOCUMENTS "/../../examples/estimated_timetable.xml");
    std::string want = file(QUAYMARK_DOCUMENTS "/estimated_timetable.expected");
    ASSERT_FALSE(doc.empty());
    ASSERT_FALSE(want.empty());
    want.pop_back();  // the file's last newline
    EXPECT_EQ(quaymark::testing::outcome(doc), want);
}

// Nesting depth costs no stack: a million calls nested in each other, and a million-deep
// unrecognised child inside a call and inside a journey.
TEST(EstimatedJourneyVersionFrame, DeepNesting) {
    constexpr std::size_t n = 1000000;
    const std::string chain = repeat("<EstimatedCall><Order>1</Order>", n) + "<Order>7</Order>" + repeat("</EstimatedCall>", n);
    EXPECT_EQ(journey_stops("<J>" + chain + call("B") + "</J>"), "[-,B]");
    EXPECT_EQ(read_as<Journey>("<J>" + chain + "</J>", [](const Journey& j) { return bind::text_form(j.estimated_calls[0].order); }),
              "Some(7)");
    const std::string deep = repeat("<X a='1'>", n) + repeat("</X>", n);
    EXPECT_EQ(journey_stops("<J><EstimatedCall>" + deep + "<StopPointRef>A</StopPointRef></EstimatedCall>" + deep + "</J>"), "[A]");
    EXPECT_EQ(journey_stops("<J><VehicleRef>" + deep + "</VehicleRef></J>"), "[]");
    EXPECT_EQ(journey_stops("<J>" + repeat("<EstimatedCall>", n) + "</J>"),
              "error: ill-formed document: expected `</EstimatedCall>`, but `</J>` was found");
}

// The call detail records are data only: their text form.
TEST(CallDetailRecords, TextForm) {
    structures::RecordedCall rc;
    rc.stop_point_ref = "S";
    rc.order = 2;
    EXPECT_EQ(bind::text_form(rc),
              "RecordedCall { stop_point_ref: \"S\", order: 2, stop_point_name: None, extra_call: None, cancellation: None, "
              "occupancy: None, platform_traversal: None, disruption_group: None, arrival: None, departure: None, "
              "expected_departure_occupancy: None, expected_departure_capacity: None }");
    rc.disruption_group = structures::DisruptionGroup{};
    rc.arrival = structures::ArrivalInfo{};
    rc.arrival->arrival_stop_assignment = structures::StopAssignment{"Q", std::nullopt, "E"};
    rc.departure = structures::DepartureInfo{};
    rc.departure->departure_status = enums::DepartureStatus::Departed;
    rc.expected_departure_occupancy = structures::ExpectedDepartureOccupancy{};
    rc.expected_departure_occupancy->group_reservations.push_back({"G", 4});
    rc.expected_departure_capacity = structures::ExpectedDepartureCapacity{};
    rc.expected_departure_capacity->bicycle_rack_capacity = 6;
    const structures::RecordedCall copy = rc;
    EXPECT_EQ(bind::text_form(copy),
              "RecordedCall { stop_point_ref: \"S\", order: 2, stop_point_name: None, extra_call: None, cancellation: None, "
              "occupancy: None, platform_traversal: None, disruption_group: Some(DisruptionGroup), "
              "arrival: Some(ArrivalInfo { aimed_arrival_time: None, actual_arrival_time: None, expected_arrival_time: None, "
              "arrival_status: None, arrival_proximity_text: [], arrival_platform_name: None, arrival_boarding_activity: None, "
              "arrival_stop_assignment: Some(StopAssignment { aimed_quay_ref: Some(\"Q\"), aimed_quay_name: None, "
              "expected_quay_ref: Some(\"E\") }) }), "
              "departure: Some(DepartureInfo { aimed_departure_time: None, actual_departure_time: None, "
              "expected_departure_time: None, departure_status: Some(Departed), departure_platform_name: None, "
              "departure_boarding_activity: None, expected_quay_ref: None }), "
              "expected_departure_occupancy: Some(ExpectedDepartureOccupancy { passenger_category: None, occupancy_level: None, "
              "occupancy_percentage: None, alighting_count: None, boarding_count: None, onboard_count: None, "
              "group_reservations: [GroupReservation { name_of_group: \"G\", number_of_seats: 4 }] }), "
              "expected_departure_capacity: Some(ExpectedDepartureCapacity { train_formation_reference_group: None, "
              "passenger_category: None, total_capacity: None, seating_capacity: None, standing_capacity: None, "
              "pushchair_capacity: None, wheelchair_place_capacity: None, pram_place_capacity: None, "
              "bicycle_rack_capacity: Some(6) }) }");
}

}  // namespace
