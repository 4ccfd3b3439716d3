// The shared journey structures, each read from the element a holder names for it: exact text
// form, or the exact message.
#include <gtest/gtest.h>

#include "support.hpp"

#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "models/framed_vehicle_journey_ref.hpp"
#include "structures/distribution_group.hpp"
#include "structures/framed_vehicle_journey_ref.hpp"
#include "structures/journey_end_names_group.hpp"
#include "structures/journey_info.hpp"
#include "structures/journey_pattern_info.hpp"
#include "structures/journey_pattern_info_group.hpp"
#include "structures/location_structure.hpp"
#include "structures/train_numbers.hpp"
#include "structures/vehicle_journey_info_group.hpp"
#include "structures/via.hpp"
#include "xml/reader.hpp"

namespace {

template <class T>
constexpr auto outcome = quaymark::testing::value_or_message<T>;

using namespace quaymark;
using namespace quaymark::structures;


struct Case {
    std::string (*read)(std::string_view);
    const char* element;
    const char* expected;
};

constexpr const char* kJpOnlyLine =
    "JourneyPatternInfoGroup { journey_pattern_ref: None, journey_pattern_name: None, vehicle_mode: None, "
    "route_ref: None, published_line_name: \"12\", direction_name: None }";
constexpr const char* kVjiEmpty =
    "VehicleJourneyInfoGroup { journey_end_names: None, journey_info: None, journey_note: None, "
    "headway_service: None, origin_aimed_departure_time: None, destination_aimed_arrival_time: None }";
constexpr const char* kJourneyInfoEmpty =
    "JourneyInfo { line_ref: None, direction_ref: None, journey_pattern_ref: None, journey_pattern_name: None, "
    "vehicle_mode: None, route_ref: None, published_line_name: None, group_of_lines_ref: None, "
    "direction_name: None, reason: None }";
constexpr const char* kFramedBoth =
    "FramedVehicleJourneyRef { data_frame_ref: Some(\"2024-03-01\"), dated_vehicle_journey_ref: Some(\"VJ-7\") }";
constexpr const char* kFramedNone = "FramedVehicleJourneyRef { data_frame_ref: None, dated_vehicle_journey_ref: None }";

const Case kCases[] = {
    // JourneyPatternInfoGroup
    {outcome<JourneyPatternInfoGroup>, "<JourneyPatternInfo><PublishedLineName>12</PublishedLineName></JourneyPatternInfo>",
     kJpOnlyLine},
    {outcome<JourneyPatternInfoGroup>,
     "<JourneyPatternInfo a='1'><DirectionName>Nord</DirectionName><siri:RouteRef>R1</siri:RouteRef>"
     "<VehicleMode>underground</VehicleMode><JourneyPatternName>JP</JourneyPatternName>"
     "<PublishedLineName>M1</PublishedLineName><JourneyPatternRef>JP:1</JourneyPatternRef></JourneyPatternInfo>",
     "JourneyPatternInfoGroup { journey_pattern_ref: Some(\"JP:1\"), journey_pattern_name: Some(\"JP\"), "
     "vehicle_mode: Some(Underground), route_ref: Some(\"R1\"), published_line_name: \"M1\", "
     "direction_name: Some(\"Nord\") }"},
    {outcome<JourneyPatternInfoGroup>, "<JourneyPatternInfo><RouteRef>R</RouteRef></JourneyPatternInfo>",
     "missing field `PublishedLineName`"},
    {outcome<JourneyPatternInfoGroup>, "<JourneyPatternInfo>12</JourneyPatternInfo>", "missing field `PublishedLineName`"},
    {outcome<JourneyPatternInfoGroup>,
     "<JourneyPatternInfo><PublishedLineName>12</PublishedLineName><PublishedLineName>12</PublishedLineName>"
     "</JourneyPatternInfo>",
     "duplicate field `PublishedLineName`"},
    {outcome<JourneyPatternInfoGroup>,
     "<JourneyPatternInfo><VehicleMode>Bus</VehicleMode><PublishedLineName>12</PublishedLineName></JourneyPatternInfo>",
     "unknown variant `Bus`, expected one of `air`, `bus`, `coach`, `ferry`, `metro`, `rail`, `tram`, `underground`"},
    {outcome<JourneyPatternInfoGroup>,
     "<JourneyPatternInfo><publishedLineName>12</publishedLineName><PublishedLineName>12</PublishedLineName>"
     "<Extra><PublishedLineName>x</PublishedLineName><Deeper/></Extra></JourneyPatternInfo>",
     kJpOnlyLine},

    // VehicleJourneyInfoGroup, JourneyEndNamesGroup and Via
    {outcome<VehicleJourneyInfoGroup>, "<VehicleJourneyInfo/>", kVjiEmpty},
    {outcome<VehicleJourneyInfoGroup>, "<VehicleJourneyInfo>only text</VehicleJourneyInfo>", kVjiEmpty},
    {outcome<VehicleJourneyInfoGroup>,
     "<VehicleJourneyInfo><JourneyEndNames><OriginName>A</OriginName><Via/><DestinationRef>D1</DestinationRef>"
     "<DestinationName>B</DestinationName></JourneyEndNames><JourneyInfo>express</JourneyInfo>"
     "<HeadwayService>1</HeadwayService><DestinationAimedArrivalTime>10:00</DestinationAimedArrivalTime>"
     "</VehicleJourneyInfo>",
     "VehicleJourneyInfoGroup { journey_end_names: Some(JourneyEndNamesGroup { origin_ref: None, "
     "origin_name: Some(\"A\"), via: Some(Via { place_ref: None, place_name: None }), destination_ref: \"D1\", "
     "destination_name: \"B\" }), journey_info: Some(\"express\"), journey_note: None, headway_service: Some(true), "
     "origin_aimed_departure_time: None, destination_aimed_arrival_time: Some(\"10:00\") }"},
    {outcome<VehicleJourneyInfoGroup>,
     "<VehicleJourneyInfo><JourneyInfo><LineRef>L</LineRef></JourneyInfo></VehicleJourneyInfo>",
     "unexpected `Event::Start(\"LineRef\")`"},
    {outcome<VehicleJourneyInfoGroup>, "<VehicleJourneyInfo><HeadwayService>yes</HeadwayService></VehicleJourneyInfo>",
     "invalid type: string \"yes\", expected a boolean"},
    {outcome<VehicleJourneyInfoGroup>,
     "<VehicleJourneyInfo><JourneyEndNames><DestinationName>B</DestinationName></JourneyEndNames>"
     "</VehicleJourneyInfo>",
     "missing field `DestinationRef`"},
    {outcome<JourneyEndNamesGroup>, "<JourneyEndNames/>", "missing field `DestinationRef`"},
    {outcome<JourneyEndNamesGroup>, "<JourneyEndNames><DestinationRef>D</DestinationRef></JourneyEndNames>",
     "missing field `DestinationName`"},
    {outcome<JourneyEndNamesGroup>, "<JourneyEndNames><Via/><Via/></JourneyEndNames>", "duplicate field `Via`"},
    {outcome<Via>, "<Via>Lyon</Via>", "Via { place_ref: None, place_name: None }"},
    {outcome<Via>, "<Via><PlaceName>Lyon</PlaceName><PlaceRef>P</PlaceRef></Via>",
     "Via { place_ref: Some(\"P\"), place_name: Some(\"Lyon\") }"},

    // JourneyInfo: the same names as the pattern group, none required.
    {outcome<JourneyInfo>, "<JourneyInfo/>", kJourneyInfoEmpty},
    {outcome<JourneyInfo>,
     "<JourneyInfo><Reason>works</Reason><VehicleMode>tram</VehicleMode><LineRef>T2</LineRef></JourneyInfo>",
     "JourneyInfo { line_ref: Some(\"T2\"), direction_ref: None, journey_pattern_ref: None, "
     "journey_pattern_name: None, vehicle_mode: Some(Tram), route_ref: None, published_line_name: None, "
     "group_of_lines_ref: None, direction_name: None, reason: Some(\"works\") }"},
    {outcome<JourneyInfo>,
     "<JourneyInfo><PublishedLineName>1</PublishedLineName><PublishedLineName>2</PublishedLineName></JourneyInfo>",
     "duplicate field `PublishedLineName`"},

    // Both framed references read and render alike.
    {outcome<models::FramedVehicleJourneyRef>,
     "<FramedVehicleJourneyRef><DataFrameRef>2024-03-01</DataFrameRef>"
     "<DatedVehicleJourneyRef>VJ-7</DatedVehicleJourneyRef></FramedVehicleJourneyRef>",
     kFramedBoth},
    {outcome<structures::FramedVehicleJourneyRef>,
     "<FramedVehicleJourneyRef><DatedVehicleJourneyRef>VJ-7</DatedVehicleJourneyRef><Other><DataFrameRef>x"
     "</DataFrameRef></Other><DataFrameRef>2024-03-01</DataFrameRef></FramedVehicleJourneyRef>",
     kFramedBoth},
    {outcome<models::FramedVehicleJourneyRef>, "<FramedJourneyRef/>", kFramedNone},
    {outcome<structures::FramedVehicleJourneyRef>, "<VehicleJourneyRef>VJ-7</VehicleJourneyRef>", kFramedNone},
    {outcome<models::FramedVehicleJourneyRef>,
     "<R><DataFrameRef/><DataFrameRef>2</DataFrameRef></R>", "duplicate field `DataFrameRef`"},
    {outcome<structures::FramedVehicleJourneyRef>,
     "<R><DatedVehicleJourneyRef>1</DatedVehicleJourneyRef><DatedVehicleJourneyRef>1</DatedVehicleJourneyRef></R>",
     "duplicate field `DatedVehicleJourneyRef`"},

    // Records without fields skip everything but malformed markup.
    {outcome<DisruptionGroup>, "<DistruptuinGroup><Reason>a</Reason><Reason>b<x/></Reason>&amp;</DistruptuinGroup>",
     "DisruptionGroup"},
    {outcome<LocationStructure>, "<NewLocation a='1' b='2'>Quai 3</NewLocation>", "LocationStructure"},
    {outcome<LocationStructure>, "<NewLocation/>", "LocationStructure"},
    {outcome<DisruptionGroup>, "<DistruptuinGroup><Reason>&bogus;</Reason></DistruptuinGroup>", "DisruptionGroup"},
    {outcome<LocationStructure>, "<NewLocation a='1' a='2'/>",
     "error while parsing attribute: position 18: duplicated attribute, previous declaration at position 12"},
    {outcome<LocationStructure>, "<NewLocation>&bogus;</NewLocation>", "at 1..6: unrecognized entity `bogus`"},
    {outcome<DisruptionGroup>, "<DistruptuinGroup><Reason></Cause></DistruptuinGroup>",
     "ill-formed document: expected `</Reason>`, but `</Cause>` was found"},
};

TEST(JourneyStructures, ReadAndRendered) {
    for (const Case& c : kCases) EXPECT_EQ(c.read(c.element), c.expected) << c.element;
}

TEST(JourneyStructures, DataOnlyRecordsRender) {
    TrainNumbers t{"TN-1"};
    EXPECT_EQ(bind::text_form(t), "TrainNumbers { train_number_ref: Some(\"TN-1\") }");
    JourneyPatternInfo jp{};
    jp.vehicle_mode = enums::VehicleMode::Rail;
    jp.published_line_name = "RER A";
    EXPECT_EQ(bind::text_form(jp),
              "JourneyPatternInfo { journey_pattern_ref: None, journey_pattern_name: None, vehicle_mode: Some(Rail), "
              "route_ref: None, published_line_name: \"RER A\", direction_name: None }");
}

}  // namespace
