// General message, facility monitoring and connection monitoring records: a document or an
// element in, the exact text form or the exact message out.
#include <gtest/gtest.h>

#include "support.hpp"

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "siri.hpp"
#include "structures/accessibility_assesment.hpp"
#include "structures/connecting_journey.hpp"
#include "structures/distribuor_info.hpp"
#include "structures/distributor_departure_cancellation.hpp"
#include "structures/facility.hpp"
#include "structures/facility_condition.hpp"
#include "structures/facility_location.hpp"
#include "structures/group_reservation.hpp"
#include "structures/info_message.hpp"
#include "structures/info_message_cancellation.hpp"
#include "structures/monitored_feeder_arrival.hpp"
#include "structures/monitored_feeder_arrival_cancellation.hpp"
#include "structures/stopping_position_change_departure.hpp"
#include "structures/validity_condition.hpp"
#include "structures/wait_prolonged_departure.hpp"

namespace {

using quaymark::testing::read_as;
using quaymark::testing::file;

using namespace quaymark;

struct Case {
    std::string_view input;
    std::string_view expected;  // the text form, or "error: " and the message
};


template <class T>
void run_table(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(read_as<T>(c.input), c.expected) << "input: " << c.input;
}

// A whole document of one service: the frame around `delivery`, the service element named.
std::string document(std::string_view service, std::string_view delivery) {
    std::string doc = "<Siri xmlns=\"http://www.siri.org.uk/siri\" version=\"2.0\"><Body><";
    doc += service;
    doc += "><ServiceDeliveryInfo><ResponseTimestamp>2024-05-02T08:00:00Z</ResponseTimestamp>"
           "<ProducerRef>OPR</ProducerRef></ServiceDeliveryInfo><Notification>";
    doc += delivery;
    doc += "</Notification></";
    doc += service;
    doc += "></Body></Siri>";
    return doc;
}

template <class S, class F>
std::string parse_service(const std::string& doc, F&& payload) {
    try {
        models::Envelope env = SIRI::from_str(doc);
        const S* s = std::get_if<S>(&env.body.service_type);
        if (!s) return "wrong service";
        return payload(*s);
    } catch (const ParseError& e) {
        return "error: " + e.message();
    }
}

// ---------------------------------------------------------------- general message

constexpr std::string_view kAbsentMessage =
    "InfoMessage { format_ref: None, recorded_at_time: \"\", item_identifier: None, info_message_identifier: \"\", "
    "info_message_version: None, info_channel_ref: \"\", valid_until_time: \"\", situation_ref: None, content: None }";

TEST(InfoMessage, Table) {
    run_table<structures::InfoMessage>({
        {"<InfoMessage><FormatRef>STIF-IDF</FormatRef><RecordedAtTime>2024-05-02T07:58:00Z</RecordedAtTime>"
         "<ItemIdentifier>IT-1</ItemIdentifier><InfoMessageIdentifier>MSG-17</InfoMessageIdentifier>"
         "<InfoMessageVersion>3</InfoMessageVersion><InfoChannelRef>Perturbation</InfoChannelRef>"
         "<ValidUntilTime>2024-05-02T20:00:00Z</ValidUntilTime><SituationRef>SIT-9</SituationRef>"
         "<Content>Lift out of service &amp; stairs only</Content></InfoMessage>",
         "InfoMessage { format_ref: Some(\"STIF-IDF\"), recorded_at_time: \"2024-05-02T07:58:00Z\", "
         "item_identifier: Some(\"IT-1\"), info_message_identifier: \"MSG-17\", info_message_version: Some(3), "
         "info_channel_ref: \"Perturbation\", valid_until_time: \"2024-05-02T20:00:00Z\", "
         "situation_ref: Some(\"SIT-9\"), content: Some(\"Lift out of service & stairs only\") }"},
        // Empty required elements satisfy the requirement; the fields are stored in table order.
        {"<InfoMessage a=\"1\">stray<ValidUntilTime/><InfoChannelRef/><InfoMessageIdentifier/>"
         "<RecordedAtTime/><Unknown><x/></Unknown></InfoMessage>",
         kAbsentMessage},
        {"<InfoMessage/>", "error: missing field `RecordedAtTime`"},
        {"<InfoMessage><RecordedAtTime>t</RecordedAtTime></InfoMessage>", "error: missing field `InfoMessageIdentifier`"},
        {"<InfoMessage><RecordedAtTime/><InfoMessageIdentifier/><ValidUntilTime/></InfoMessage>",
         "error: missing field `InfoChannelRef`"},
        {"<InfoMessage><RecordedAtTime/><InfoMessageIdentifier/><InfoChannelRef/></InfoMessage>",
         "error: missing field `ValidUntilTime`"},
        {"<InfoMessage><Content>a</Content><RecordedAtTime/><Content>b</Content></InfoMessage>",
         "error: duplicate field `Content`"},
        {"<InfoMessage><InfoMessageVersion>4294967295</InfoMessageVersion></InfoMessage>",
         "error: missing field `RecordedAtTime`"},
        {"<InfoMessage><InfoMessageVersion/></InfoMessage>", "error: invalid type: string \"\", expected u32"},
        {"<InfoMessage><InfoMessageVersion>-1</InfoMessageVersion></InfoMessage>",
         "error: invalid type: string \"-1\", expected u32"},
        {"<InfoMessage><InfoMessageVersion>4294967296</InfoMessageVersion></InfoMessage>",
         "error: invalid type: string \"4294967296\", expected u32"},
        {"<InfoMessage><InfoMessageVersion>two</InfoMessageVersion></InfoMessage>",
         "error: invalid type: string \"two\", expected u32"},
        {"<InfoMessage><Content><Message>x</Message></Content></InfoMessage>",
         "error: unexpected `Event::Start(\"Message\")`"},
        {"<InfoMessage><SituationRef><siri:Ref/></SituationRef></InfoMessage>",
         "error: unexpected `Event::Start(\"siri:Ref\")`"},
    });
}

TEST(InfoMessageCancellation, Table) {
    run_table<structures::InfoMessageCancellation>({
        {"<InfoMessageCancellation><RecordedAtTime>t</RecordedAtTime><InfoMessageIdentifier>MSG-17</InfoMessageIdentifier>"
         "<InfoMessageVersion>x</InfoMessageVersion><ValidUntilTime/><Content><b/></Content></InfoMessageCancellation>",
         "InfoMessageCancellation { recorded_at_time: \"t\", info_message_identifier: \"MSG-17\", info_channel_ref: None }"},
        {"<InfoMessageCancellation><siri:InfoChannelRef>Commercial</siri:InfoChannelRef><InfoMessageIdentifier>M</InfoMessageIdentifier>"
         "<RecordedAtTime>t</RecordedAtTime></InfoMessageCancellation>",
         "InfoMessageCancellation { recorded_at_time: \"t\", info_message_identifier: \"M\", info_channel_ref: Some(\"Commercial\") }"},
        {"<InfoMessageCancellation><InfoMessageIdentifier>M</InfoMessageIdentifier></InfoMessageCancellation>",
         "error: missing field `RecordedAtTime`"},
        {"<InfoMessageCancellation><RecordedAtTime>t</RecordedAtTime></InfoMessageCancellation>",
         "error: missing field `InfoMessageIdentifier`"},
        {"<InfoMessageCancellation><RecordedAtTime/><RecordedAtTime/></InfoMessageCancellation>",
         "error: duplicate field `RecordedAtTime`"},
    });
}

std::string general_message(std::string_view payload) {
    std::string delivery = "<GeneralMessageDelivery version=\"2.0\"><ResponseTimestamp>2024-05-02T08:00:00Z</ResponseTimestamp>";
    delivery += payload;
    delivery += "</GeneralMessageDelivery>";
    return parse_service<services::NotifyGeneralMessage>(
        document("NotifyGeneralMessage", delivery), [](const services::NotifyGeneralMessage& s) {
            const auto& d = s.notification.general_message_delivery;
            return bind::text_form(d.info_message) + " | " + bind::text_form(d.info_message_cancellation);
        });
}

TEST(GeneralMessageDocument, Table) {
    const std::string message =
        "<InfoMessage><RecordedAtTime>r</RecordedAtTime><InfoMessageIdentifier>M1</InfoMessageIdentifier>"
        "<InfoChannelRef>Information</InfoChannelRef><ValidUntilTime>v</ValidUntilTime></InfoMessage>";
    const std::string message_text =
        "InfoMessage { format_ref: None, recorded_at_time: \"r\", item_identifier: None, info_message_identifier: \"M1\", "
        "info_message_version: None, info_channel_ref: \"Information\", valid_until_time: \"v\", situation_ref: None, "
        "content: None }";
    const std::string cancellation =
        "<InfoMessageCancellation><RecordedAtTime>r</RecordedAtTime><InfoMessageIdentifier>M0</InfoMessageIdentifier>"
        "</InfoMessageCancellation>";
    const std::string cancellation_text =
        "InfoMessageCancellation { recorded_at_time: \"r\", info_message_identifier: \"M0\", info_channel_ref: None }";
    struct {
        std::string payload, expected;
    } cases[] = {
        {"", "None | None"},
        {message + cancellation, "Some(" + message_text + ") | Some(" + cancellation_text + ")"},
        {cancellation + message, "Some(" + message_text + ") | Some(" + cancellation_text + ")"},
        {message + message, "error: duplicate field `InfoMessage`"},
        {cancellation + message + cancellation, "error: duplicate field `InfoMessageCancellation`"},
        {"<InfoMessage><RecordedAtTime/></InfoMessage>", "error: missing field `InfoMessageIdentifier`"},
    };
    for (const auto& c : cases) EXPECT_EQ(general_message(c.payload), c.expected) << c.payload;
}

// ---------------------------------------------------------------- facility parts

TEST(FacilityLocation, Table) {
    run_table<structures::FacilityLocation>({
        {"<FacilityLocation/>",
         "FacilityLocation { line_ref: None, stop_point_ref: None, vehicle_ref: None, stop_place_ref: None, "
         "stop_place_component_id: None, operator_ref: None }"},
        {"<FacilityLocation><OperatorRef>RATP</OperatorRef><StopPlaceComponentId>Q2</StopPlaceComponentId>"
         "<StopPlaceRef>SP</StopPlaceRef><VehicleRef/><StopPointRef>STIF:StopPoint:Q:1</StopPointRef>"
         "<LineRef>L1</LineRef><lineref>skipped</lineref></FacilityLocation>",
         "FacilityLocation { line_ref: Some(\"L1\"), stop_point_ref: Some(\"STIF:StopPoint:Q:1\"), vehicle_ref: Some(\"\"), "
         "stop_place_ref: Some(\"SP\"), stop_place_component_id: Some(\"Q2\"), operator_ref: Some(\"RATP\") }"},
        {"<FacilityLocation><VehicleRef/><VehicleRef/></FacilityLocation>", "error: duplicate field `VehicleRef`"},
    });
}

TEST(AccessibilityAssessment, AnyContentIsOneEmptyRecord) {
    run_table<structures::AccessibilityAssessment>({
        {"<AccessibilityAssessment/>", "AccessibilityAssessment"},
        {"<AccessibilityAssessment level=\"2\">text<a><b><c>deep</c></b></a><a/></AccessibilityAssessment>",
         "AccessibilityAssessment"},
        {"<AccessibilityAssessment><a></b></AccessibilityAssessment>",
         "error: ill-formed document: expected `</a>`, but `</b>` was found"},
    });
}

TEST(Limitations, Table) {
    run_table<structures::Limitations>({
        {"<Limitations/>", "Limitations { wheelchair_access: None, step_free_access: None, lift_free_access: None }"},
        {"<Limitations><LiftFreeAccess>0</LiftFreeAccess><StepFreeAccess>false</StepFreeAccess>"
         "<WheelchairAccess> true </WheelchairAccess></Limitations>",
         "Limitations { wheelchair_access: Some(true), step_free_access: Some(false), lift_free_access: Some(false) }"},
        {"<Limitations><WheelchairAccess>1</WheelchairAccess><wheelchairAccess>x</wheelchairAccess></Limitations>",
         "Limitations { wheelchair_access: Some(true), step_free_access: None, lift_free_access: None }"},
        {"<Limitations><WheelchairAccess>True</WheelchairAccess></Limitations>",
         "error: invalid type: string \"True\", expected a boolean"},
        {"<Limitations><StepFreeAccess>partial</StepFreeAccess></Limitations>",
         "error: invalid type: string \"partial\", expected a boolean"},
        {"<Limitations><LiftFreeAccess/></Limitations>", "error: invalid type: string \"\", expected a boolean"},
        {"<Limitations><WheelchairAccess>true</WheelchairAccess><WheelchairAccess>true</WheelchairAccess></Limitations>",
         "error: duplicate field `WheelchairAccess`"},
    });
}

TEST(Suitabilities, Table) {
    run_table<structures::Suitabilities>({
        {"<Suitabilities/>", "Suitabilities { suitability: None }"},
        {"<Suitabilities>before<Suitability><Suitable>wheelchair</Suitable><UserNeed/></Suitability>"
         "<Suitability><Suitable/><UserNeed>ignored<MobilityNeed/></UserNeed></Suitability>"
         "<Suitability><UserNeed><MobilityNeed>assistedWheelchair</MobilityNeed></UserNeed><Suitable>x &lt; y</Suitable></Suitability>"
         "</Suitabilities>",
         "Suitabilities { suitability: Some([Suitability { suitable: \"wheelchair\", user_need: Some(UserNeed { mobility_need: None }) }, "
         "Suitability { suitable: \"\", user_need: Some(UserNeed { mobility_need: Some(\"\") }) }, "
         "Suitability { suitable: \"x < y\", user_need: Some(UserNeed { mobility_need: Some(\"assistedWheelchair\") }) }]) }"},
        // The run of one prefix continues; another prefix ends it and makes a second run.
        {"<Suitabilities><a:Suitability><Suitable>1</Suitable></a:Suitability><a:Suitability><Suitable>2</Suitable></a:Suitability>"
         "</Suitabilities>",
         "Suitabilities { suitability: Some([Suitability { suitable: \"1\", user_need: None }, "
         "Suitability { suitable: \"2\", user_need: None }]) }"},
        {"<Suitabilities><a:Suitability><Suitable>1</Suitable></a:Suitability><b:Suitability><Suitable>2</Suitable></b:Suitability>"
         "</Suitabilities>",
         "error: duplicate field `Suitability`"},
        {"<Suitabilities><Suitability><Suitable/></Suitability><Other/><Suitability><Suitable/></Suitability></Suitabilities>",
         "error: duplicate field `Suitability`"},
        {"<Suitabilities><Suitability><Suitable/></Suitability>after</Suitabilities>",
         "error: invalid type: string \"after\", expected struct Suitability"},
        {"<Suitabilities><Suitability/></Suitabilities>", "error: missing field `Suitable`"},
        {"<Suitabilities><Suitability><UserNeed/></Suitability></Suitabilities>", "error: missing field `Suitable`"},
        {"<Suitabilities><Suitability><Suitable/><Suitable/></Suitability></Suitabilities>",
         "error: duplicate field `Suitable`"},
        {"<Suitabilities><Suitability><Suitable/><UserNeed/><UserNeed/></Suitability></Suitabilities>",
         "error: duplicate field `UserNeed`"},
        {"<Suitabilities><Suitability><Suitable/><UserNeed><MobilityNeed/><MobilityNeed/></UserNeed></Suitability></Suitabilities>",
         "error: duplicate field `MobilityNeed`"},
    });
}

TEST(GroupReservation, TextForm) {
    EXPECT_EQ(bind::text_form(structures::GroupReservation{}), "GroupReservation { name_of_group: \"\", number_of_seats: 0 }");
    EXPECT_EQ(bind::text_form(std::vector<structures::GroupReservation>{{"School \"A\"", 4294967295u}}),
              "[GroupReservation { name_of_group: \"School \\\"A\\\"\", number_of_seats: 4294967295 }]");
    EXPECT_EQ(bind::text_form(std::vector<structures::GroupReservation>{}), "[]");
}

// ---------------------------------------------------------------- facility monitoring

constexpr std::string_view kEmptyFacility =
    "Facility { facility_code: None, description: None, facility_class: None, validity_condition: None, "
    "facility_location: None, accessibility_assesment: None, limitations: None, suitabilities: None }";
constexpr std::string_view kFacilityClassMessage =
    "unknown variant `Site`, expected one of `fixedEquipment`, `mobileEquipment`, `siteComponent`, `site`, "
    "`parkingBay`, `vehicle`";

TEST(FacilityStatus, AssessmentRun) {
    constexpr std::string_view one = "FacilityStatus { status: None, description: None, accessibility_assesment: [AccessibilityAssessment] }";
    run_table<structures::FacilityStatus>({
        {"<FacilityStatus><AccessibilityAssessment/></FacilityStatus>", one},
        {"<FacilityStatus>before<Status>partiallyAvailable</Status>after status<AccessibilityAssessment x=\"1\">t<a><b/></a>"
         "</AccessibilityAssessment><AccessibilityAssessment/></FacilityStatus>",
         "FacilityStatus { status: Some(PartiallyAvailable), description: None, "
         "accessibility_assesment: [AccessibilityAssessment, AccessibilityAssessment] }"},
        {"<FacilityStatus><AccessibilityAssessment/><AccessibilityAssessment/><AccessibilityAssessment/>"
         "<Description>Lift 3 &#x2014; platform side</Description><Status>available</Status></FacilityStatus>",
         "FacilityStatus { status: Some(Available), description: Some(\"Lift 3 \u2014 platform side\"), "
         "accessibility_assesment: [AccessibilityAssessment, AccessibilityAssessment, AccessibilityAssessment] }"},
        {"<FacilityStatus><a:AccessibilityAssessment/><a:AccessibilityAssessment/></FacilityStatus>",
         "FacilityStatus { status: None, description: None, accessibility_assesment: [AccessibilityAssessment, AccessibilityAssessment] }"},
        {"<FacilityStatus><a:AccessibilityAssessment/><b:AccessibilityAssessment/></FacilityStatus>",
         "error: duplicate field `AccessibilityAssessment`"},
        {"<FacilityStatus><AccessibilityAssessment/><Description/><AccessibilityAssessment/></FacilityStatus>",
         "error: duplicate field `AccessibilityAssessment`"},
        {"<FacilityStatus><AccessibilityAssessment/>broken</FacilityStatus>",
         "error: invalid type: string \"broken\", expected struct AccessibilityAssessment"},
        {"<FacilityStatus/>", "error: missing field `AccessibilityAssessment`"},
        {"<FacilityStatus><Status>available</Status><Description>d</Description></FacilityStatus>",
         "error: missing field `AccessibilityAssessment`"},
        {"<FacilityStatus><AccessibilityAssesment/></FacilityStatus>", "error: missing field `AccessibilityAssessment`"},
        {"<FacilityStatus><Status>Available</Status><AccessibilityAssessment/></FacilityStatus>",
         "error: unknown variant `Available`, expected one of `unknown`, `available`, `notAvailable`, "
         "`partiallyAvailable`, `added`, `removed`"},
        {"<FacilityStatus><Status/><AccessibilityAssessment/></FacilityStatus>",
         "error: unknown variant `$text`, expected one of `unknown`, `available`, `notAvailable`, "
         "`partiallyAvailable`, `added`, `removed`"},
        {"<FacilityStatus><Status>added</Status><Status>added</Status></FacilityStatus>", "error: duplicate field `Status`"},
        {"<FacilityStatus><Description/><Description/></FacilityStatus>", "error: duplicate field `Description`"},
    });
}

TEST(ValidityCondition, PeriodRun) {
    run_table<structures::ValidityCondition>({
        {"<ValidityCondition><Period><StartTime>2024-05-01T05:00:00Z</StartTime><EndTime>2024-05-01T23:00:00Z</EndTime></Period>"
         "<Period><EndTime>b</EndTime><StartTime>a</StartTime></Period><ValidityPeriod/></ValidityCondition>",
         "ValidityCondition { period: [ValidityPeriod { start_time: \"2024-05-01T05:00:00Z\", end_time: \"2024-05-01T23:00:00Z\", "
         "end_time_status: None, end_time_precision: None }, ValidityPeriod { start_time: \"a\", end_time: \"b\", "
         "end_time_status: None, end_time_precision: None }] }"},
        {"<ValidityCondition/>", "error: missing field `Period`"},
        {"<ValidityCondition><ValidityPeriod><StartTime>a</StartTime><EndTime>b</EndTime></ValidityPeriod></ValidityCondition>",
         "error: missing field `Period`"},
        {"<ValidityCondition><Period><StartTime/><EndTime/></Period><x/><Period><StartTime/><EndTime/></Period></ValidityCondition>",
         "error: duplicate field `Period`"},
        {"<ValidityCondition><Period><StartTime/><EndTime/></Period>text</ValidityCondition>",
         "error: invalid type: string \"text\", expected struct ValidityPeriod"},
        {"<ValidityCondition><Period><EndTime/></Period></ValidityCondition>", "error: missing field `StartTime`"},
    });
}

TEST(Facility, Table) {
    run_table<structures::Facility>({
        {"<Facility/>", kEmptyFacility},
        {"<Facility id=\"F1\">text<AccessibilityAssessment/></Facility>", kEmptyFacility},
        {"<Facility><FacilityClass>site</FacilityClass><AccessibilityAssesment><any/></AccessibilityAssesment></Facility>",
         "Facility { facility_code: None, description: None, facility_class: Some(Site), validity_condition: None, "
         "facility_location: None, accessibility_assesment: Some(AccessibilityAssessment), limitations: None, suitabilities: None }"},
        {"<Facility><AccessibilityAssesment/><AccessibilityAssesment/></Facility>",
         "error: duplicate field `AccessibilityAssesment`"},
        {"<Facility><FacilityClass>Site</FacilityClass></Facility>", "error: " + std::string(kFacilityClassMessage)},
        {"<Facility><FacilityClass/></Facility>",
         "error: unknown variant `$text`, expected one of `fixedEquipment`, `mobileEquipment`, `siteComponent`, `site`, "
         "`parkingBay`, `vehicle`"},
        {"<Facility><ValidityCondition/></Facility>", "error: missing field `Period`"},
        {"<Facility><Limitations><WheelchairAccess>yes</WheelchairAccess></Limitations></Facility>",
         "error: invalid type: string \"yes\", expected a boolean"},
        {"<Facility><Suitabilities/><Suitabilities/></Facility>", "error: duplicate field `Suitabilities`"},
    });
}

TEST(FacilityCondition, Table) {
    run_table<structures::FacilityCondition>({
        {"<FacilityCondition><Facility><FacilityClass>site</FacilityClass><FacilityLocation/><AccessibilityAssesment/>"
         "</Facility></FacilityCondition>",
         "FacilityCondition { facility: Facility { facility_code: None, description: None, facility_class: Some(Site), "
         "validity_condition: None, facility_location: Some(FacilityLocation { line_ref: None, stop_point_ref: None, "
         "vehicle_ref: None, stop_place_ref: None, stop_place_component_id: None, operator_ref: None }), "
         "accessibility_assesment: Some(AccessibilityAssessment), limitations: None, suitabilities: None }, "
         "facility_ref: None, facility_status: None, validity_period: None }"},
        {"<FacilityCondition a=\"b\">x<siri:FacilityRef/><Facility/><FacilityREF>y</FacilityREF><FacilityRefs/></FacilityCondition>",
         "FacilityCondition { facility: " + std::string(kEmptyFacility) + ", facility_ref: Some(\"\"), facility_status: None, "
         "validity_period: None }"},
        {"<FacilityCondition><FacilityRef>F</FacilityRef></FacilityCondition>", "error: missing field `Facility`"},
        {"<FacilityCondition><Facility/><Facility><FacilityClass>bad</FacilityClass></Facility></FacilityCondition>",
         "error: duplicate field `Facility`"},
        {"<FacilityCondition><ValidityPeriod><EndTime/></ValidityPeriod></FacilityCondition>", "error: missing field `StartTime`"},
        {"<FacilityCondition><FacilityStatus/><Facility/></FacilityCondition>", "error: missing field `AccessibilityAssessment`"},
        {"<FacilityCondition><FacilityRef/><FacilityRef/></FacilityCondition>", "error: duplicate field `FacilityRef`"},
    });
}

std::string facility_monitoring(std::string_view payload) {
    std::string delivery = "<FacilityMonitoringDelivery><ResponseTimestamp>2024-05-02T08:00:00Z</ResponseTimestamp>";
    delivery += payload;
    delivery += "</FacilityMonitoringDelivery>";
    return parse_service<services::NotifyFacilityMonitoring>(
        document("NotifyFacilityMonitoring", delivery), [](const services::NotifyFacilityMonitoring& s) {
            return bind::text_form(s.notification.facility_monitoring_delivery.facility_condition);
        });
}

TEST(FacilityMonitoringDocument, Table) {
    const std::string condition = "<FacilityCondition><Facility><FacilityCode>ESC-12</FacilityCode></Facility>"
                                  "<FacilityStatus><Status>notAvailable</Status><AccessibilityAssessment/></FacilityStatus>"
                                  "<ValidityPeriod><StartTime>s</StartTime><EndTime>e</EndTime></ValidityPeriod></FacilityCondition>";
    struct {
        std::string payload, expected;
    } cases[] = {
        {condition,
         "FacilityCondition { facility: Facility { facility_code: Some(\"ESC-12\"), description: None, facility_class: None, "
         "validity_condition: None, facility_location: None, accessibility_assesment: None, limitations: None, "
         "suitabilities: None }, facility_ref: None, facility_status: Some(FacilityStatus { status: Some(NotAvailable), "
         "description: None, accessibility_assesment: [AccessibilityAssessment] }), validity_period: Some(ValidityPeriod { "
         "start_time: \"s\", end_time: \"e\", end_time_status: None, end_time_precision: None }) }"},
        {"", "error: missing field `FacilityCondition`"},
        {condition + condition, "error: duplicate field `FacilityCondition`"},
        {"<FacilityCondition><Facility><Suitabilities><Suitability/></Suitabilities></Facility></FacilityCondition>",
         "error: missing field `Suitable`"},
    };
    for (const auto& c : cases) EXPECT_EQ(facility_monitoring(c.payload), c.expected) << c.payload;
}

// ---------------------------------------------------------------- connection monitoring

constexpr std::string_view kEmptyRef = "FramedVehicleJourneyRef { data_frame_ref: None, dated_vehicle_journey_ref: None }";
const std::string kMinimalFeederJourney =
    "FeederJourney { line_ref: None, direction_ref: None, framed_journey_ref: " + std::string(kEmptyRef) +
    ", monitored: None, aimed_arrival_time: None }";

TEST(MonitoredFeederArrival, Table) {
    run_table<structures::MonitoredFeederArrival>({
        {"<MonitoredFeederArrival><RecordedAtTime/><FeederJourney><FramedJourneyRef/></FeederJourney></MonitoredFeederArrival>",
         "MonitoredFeederArrival { recorded_at_time: \"\", item_identifier: None, interchange_ref: None, connection_link_ref: None, "
         "stop_point_ref: None, order: None, strop_point_name: None, clear_down_ref: None, feeder_journey: " + kMinimalFeederJourney +
         ", vehicle_at_stop: None, aimed_arrival_time: None, expected_arrival_time: None, arrival_platform_time: None, "
         "number_of_transfer_passengers: None }"},
        {"<MonitoredFeederArrival v=\"1\">stray<RecordedAtTime>2024-05-02T08:10:00Z</RecordedAtTime><ItemIdentifier>I</ItemIdentifier>"
         "<ItemRef>skipped</ItemRef><InterchangeRef>IC</InterchangeRef><ConnectionLinkRef>CL</ConnectionLinkRef>"
         "<StopPointRef>SP</StopPointRef><Order>+2</Order><StopPointName>skipped</StopPointName>"
         "<StropPointName>Gare de Lyon</StropPointName><ClearDownRef>CD</ClearDownRef>"
         "<FeederJourney><LineRef>L</LineRef><DirectionRef>D</DirectionRef><FramedJourneyRef><DatedVehicleJourneyRef>V</DatedVehicleJourneyRef>"
         "<DataFrameRef>2024-05-02</DataFrameRef></FramedJourneyRef><Monitored>1</Monitored><AimedArrivalTime>A</AimedArrivalTime></FeederJourney>"
         "<VehicleAtStop>0</VehicleAtStop><AimedArrivalTime>a</AimedArrivalTime><ExpectedArrivalTime>e</ExpectedArrivalTime>"
         "<ArrivalPlatformName>skipped</ArrivalPlatformName><ArrivalPlatformTime>p</ArrivalPlatformTime>"
         "<NumberOfTransferPassengers>4294967295</NumberOfTransferPassengers></MonitoredFeederArrival>",
         "MonitoredFeederArrival { recorded_at_time: \"2024-05-02T08:10:00Z\", item_identifier: Some(\"I\"), interchange_ref: Some(\"IC\"), "
         "connection_link_ref: Some(\"CL\"), stop_point_ref: Some(\"SP\"), order: Some(2), strop_point_name: Some(\"Gare de Lyon\"), "
         "clear_down_ref: Some(\"CD\"), feeder_journey: FeederJourney { line_ref: Some(\"L\"), direction_ref: Some(\"D\"), "
         "framed_journey_ref: FramedVehicleJourneyRef { data_frame_ref: Some(\"2024-05-02\"), dated_vehicle_journey_ref: Some(\"V\") }, "
         "monitored: Some(true), aimed_arrival_time: Some(\"A\") }, vehicle_at_stop: Some(false), aimed_arrival_time: Some(\"a\"), "
         "expected_arrival_time: Some(\"e\"), arrival_platform_time: Some(\"p\"), number_of_transfer_passengers: Some(4294967295) }"},
        {"<MonitoredFeederArrival/>", "error: missing field `RecordedAtTime`"},
        {"<MonitoredFeederArrival><RecordedAtTime/></MonitoredFeederArrival>", "error: missing field `FeederJourney`"},
        {"<MonitoredFeederArrival><FeederJourney><FramedVehicleJourneyRef/></FeederJourney></MonitoredFeederArrival>",
         "error: missing field `FramedJourneyRef`"},
        {"<MonitoredFeederArrival><Order>1</Order><RecordedAtTime/><Order>1</Order></MonitoredFeederArrival>",
         "error: duplicate field `Order`"},
        {"<MonitoredFeederArrival><FeederJourney><FramedJourneyRef/></FeederJourney><FeederJourney/></MonitoredFeederArrival>",
         "error: duplicate field `FeederJourney`"},
        {"<MonitoredFeederArrival><Order>one</Order></MonitoredFeederArrival>", "error: invalid type: string \"one\", expected u32"},
        {"<MonitoredFeederArrival><NumberOfTransferPassengers/></MonitoredFeederArrival>",
         "error: invalid type: string \"\", expected u32"},
        {"<MonitoredFeederArrival><Order>4294967296</Order></MonitoredFeederArrival>",
         "error: invalid type: string \"4294967296\", expected u32"},
        {"<MonitoredFeederArrival><VehicleAtStop>yes</VehicleAtStop></MonitoredFeederArrival>",
         "error: invalid type: string \"yes\", expected a boolean"},
        {"<MonitoredFeederArrival><FeederJourney><FramedJourneyRef/><Monitored/></FeederJourney></MonitoredFeederArrival>",
         "error: invalid type: string \"\", expected a boolean"},
    });
}

TEST(MonitoredFeederArrivalCancellation, Table) {
    run_table<structures::MonitoredFeederArrivalCancellation>({
        {"<MonitoredFeederArrivalCancellation><RecordedAtTime>r</RecordedAtTime><ItemIdentifier>skipped</ItemIdentifier>"
         "<ItemRef>I</ItemRef><StropPointName>N</StropPointName><JourneyInfo/><Reason>bus broke down</Reason>"
         "</MonitoredFeederArrivalCancellation>",
         "MonitoredFeederArrivalCancellation { recorded_at_time: \"r\", item_ref: Some(\"I\"), interchange_ref: None, "
         "connection_link_ref: None, stop_point_ref: None, order: None, strop_point_name: Some(\"N\"), journey_info: "
         "Some(JourneyInfo { line_ref: None, direction_ref: None, journey_pattern_ref: None, journey_pattern_name: None, "
         "vehicle_mode: None, route_ref: None, published_line_name: None, group_of_lines_ref: None, direction_name: None, "
         "reason: None }), reason: Some(\"bus broke down\") }"},
        {"<MonitoredFeederArrivalCancellation><RecordedAtTime/></MonitoredFeederArrivalCancellation>",
         "MonitoredFeederArrivalCancellation { recorded_at_time: \"\", item_ref: None, interchange_ref: None, "
         "connection_link_ref: None, stop_point_ref: None, order: None, strop_point_name: None, journey_info: None, reason: None }"},
        {"<MonitoredFeederArrivalCancellation><Reason/></MonitoredFeederArrivalCancellation>", "error: missing field `RecordedAtTime`"},
        {"<MonitoredFeederArrivalCancellation><JourneyInfo><VehicleMode>Bus</VehicleMode></JourneyInfo></MonitoredFeederArrivalCancellation>",
         "error: unknown variant `Bus`, expected one of `air`, `bus`, `coach`, `ferry`, `metro`, `rail`, `tram`, `underground`"},
    });
}

constexpr std::string_view kLink =
    "<InterchangeRef>IC</InterchangeRef><ConnectionLinkRef>CL</ConnectionLinkRef><StopPointRef>SP</StopPointRef>";

TEST(DistributorInfo, Table) {
    run_table<structures::DistributorInfo>({
        {"<DistributorInfo><StopPointRef>SP</StopPointRef><InterchangeRef>IC</InterchangeRef><ConnectionLinkRef>CL</ConnectionLinkRef>"
         "</DistributorInfo>",
         "DistributorInfo { interchange_ref: \"IC\", connection_link_ref: \"CL\", stop_point_ref: \"SP\", distributor_order: None, "
         "distributor_journey: None, feeder_vehicle_journey_ref: None }"},
        {"<DistributorInfo>" + std::string(kLink) + "<DistributorOrder>0</DistributorOrder><DistributorJourney><LineRef>L</LineRef>"
         "<FramedJourneyRef/><JourneyPatternInfo><PublishedLineName>12</PublishedLineName><VehicleMode>bus</VehicleMode></JourneyPatternInfo>"
         "<VehicleJourneyInfo/><DisruptionGroup/><DistruptuinGroup><Reason/><Reason/></DistruptuinGroup><Monitored>false</Monitored>"
         "<AimedArrivalTime>t</AimedArrivalTime></DistributorJourney><FeederVehicleJourneyRef><DataFrameRef>F</DataFrameRef>"
         "</FeederVehicleJourneyRef></DistributorInfo>",
         "DistributorInfo { interchange_ref: \"IC\", connection_link_ref: \"CL\", stop_point_ref: \"SP\", distributor_order: Some(0), "
         "distributor_journey: Some(ConnectingJourney { line_ref: Some(\"L\"), framed_journey_ref: " + std::string(kEmptyRef) +
         ", journey_pattern_info: Some(JourneyPatternInfoGroup { journey_pattern_ref: None, journey_pattern_name: None, "
         "vehicle_mode: Some(Bus), route_ref: None, published_line_name: \"12\", direction_name: None }), vehicle_journey_info: "
         "Some(VehicleJourneyInfoGroup { journey_end_names: None, journey_info: None, journey_note: None, headway_service: None, "
         "origin_aimed_departure_time: None, destination_aimed_arrival_time: None }), distruptuin_group: Some(DisruptionGroup), "
         "monitored: Some(false), aimed_arrival_time: Some(\"t\") }), feeder_vehicle_journey_ref: Some(FramedVehicleJourneyRef { "
         "data_frame_ref: Some(\"F\"), dated_vehicle_journey_ref: None }) }"},
        {"<DistributorInfo/>", "error: missing field `InterchangeRef`"},
        {"<DistributorInfo><InterchangeRef/></DistributorInfo>", "error: missing field `ConnectionLinkRef`"},
        {"<DistributorInfo><InterchangeRef/><ConnectionLinkRef/></DistributorInfo>", "error: missing field `StopPointRef`"},
        {"<DistributorInfo><DistributorOrder>4294967296</DistributorOrder></DistributorInfo>",
         "error: invalid type: string \"4294967296\", expected u32"},
        {"<DistributorInfo><DistributorOrder>-1</DistributorOrder></DistributorInfo>", "error: invalid type: string \"-1\", expected u32"},
        {"<DistributorInfo>" + std::string(kLink) + "<DistributorJourney/></DistributorInfo>", "error: missing field `FramedJourneyRef`"},
        {"<DistributorInfo>" + std::string(kLink) + "<DistributorJourney><FramedJourneyRef/><JourneyPatternInfo/></DistributorJourney>"
         "</DistributorInfo>",
         "error: missing field `PublishedLineName`"},
        {"<DistributorInfo><DistributorJourney><DistruptuinGroup/><DistruptuinGroup/></DistributorJourney></DistributorInfo>",
         "error: duplicate field `DistruptuinGroup`"},
        {"<DistributorInfo><siri:StopPointRef/><StopPointRef/></DistributorInfo>", "error: duplicate field `StopPointRef`"},
    });
}

TEST(DistributorNotices, Table) {
    const std::string info = "DistributorInfo { interchange_ref: \"IC\", connection_link_ref: \"CL\", stop_point_ref: \"SP\", "
                             "distributor_order: None, distributor_journey: None, feeder_vehicle_journey_ref: None }";
    run_table<structures::WaitProlongedDeparture>({
        {"<WaitProlongedDeparture x=\"1\">t<RecordedAtTime/><Reason>skipped</Reason></WaitProlongedDeparture>",
         "WaitProlongedDeparture { recorded_at_time: \"\", distributor_info: None, expected_departure_time: None }"},
        {"<WaitProlongedDeparture><ExpectedDepartureTime>e</ExpectedDepartureTime><DistributorInfo>" + std::string(kLink) +
         "</DistributorInfo><RecordedAtTime>r</RecordedAtTime></WaitProlongedDeparture>",
         "WaitProlongedDeparture { recorded_at_time: \"r\", distributor_info: Some(" + info + "), expected_departure_time: Some(\"e\") }"},
        {"<WaitProlongedDeparture><ExpectedDepartureTime/></WaitProlongedDeparture>", "error: missing field `RecordedAtTime`"},
        {"<WaitProlongedDeparture><RecordedAtTime/><DistributorInfo/></WaitProlongedDeparture>", "error: missing field `InterchangeRef`"},
        {"<WaitProlongedDeparture><DistributorInfo>" + std::string(kLink) + "</DistributorInfo><RecordedAtTime/>"
         "<DistributorInfo/></WaitProlongedDeparture>",
         "error: duplicate field `DistributorInfo`"},
    });
    run_table<structures::StoppingPositionChangeDeparture>({
        {"<StoppingPositionChangeDeparture><RecordedAtTime>r</RecordedAtTime><ChangeNote>Platform 4 instead of 2</ChangeNote>"
         "<NewLocation><Longitude>2.37</Longitude><Latitude>48.84</Latitude></NewLocation></StoppingPositionChangeDeparture>",
         "StoppingPositionChangeDeparture { recorded_at_time: \"r\", distributor_info: None, change_note: Some(\"Platform 4 instead of 2\"), "
         "new_location: Some(LocationStructure) }"},
        {"<StoppingPositionChangeDeparture><RecordedAtTime/><NewLocation/></StoppingPositionChangeDeparture>",
         "StoppingPositionChangeDeparture { recorded_at_time: \"\", distributor_info: None, change_note: None, "
         "new_location: Some(LocationStructure) }"},
        {"<StoppingPositionChangeDeparture><NewLocation/><NewLocation/></StoppingPositionChangeDeparture>",
         "error: duplicate field `NewLocation`"},
    });
    run_table<structures::DistributorDepartureCancellation>({
        {"<DistributorDepartureCancellation><RecordedAtTime>r</RecordedAtTime><ExpectedDepartureTime>skipped</ExpectedDepartureTime>"
         "<Reason>strike</Reason></DistributorDepartureCancellation>",
         "DistributorDepartureCancellation { recorded_at_time: \"r\", distributor_info: None, reason: Some(\"strike\") }"},
        {"<DistributorDepartureCancellation><Reason/><DistributorInfo>" + std::string(kLink) +
         "</DistributorInfo></DistributorDepartureCancellation>",
         "error: missing field `RecordedAtTime`"},
    });
}

std::string connection_monitoring(std::string_view deliveries) {
    return parse_service<services::NotifyConnectionMonitoring>(
        document("NotifyConnectionMonitoring", deliveries), [](const services::NotifyConnectionMonitoring& s) {
            std::string out;
            if (const auto& f = s.notification.connection_monitoring_feeder_delivery) {
                out += "feeder: " + bind::text_form(f->monitored_feeder_arrival) + " / " +
                       bind::text_form(f->monitored_feeder_arrival_cancellation);
            }
            if (const auto& d = s.notification.connection_monitoring_distributor_delivery) {
                out += "distributor: " + bind::text_form(d->wait_prolonged_departure) + " / " +
                       bind::text_form(d->stopping_position_change_departure) + " / " +
                       bind::text_form(d->distributor_departure_cancellation);
            }
            return out;
        });
}

TEST(ConnectionMonitoringDocument, Table) {
    const std::string ts = "<ResponseTimestamp>2024-05-02T08:00:00Z</ResponseTimestamp>";
    const std::string arrival =
        "<MonitoredFeederArrival><RecordedAtTime>r</RecordedAtTime><FeederJourney><FramedJourneyRef/></FeederJourney></MonitoredFeederArrival>";
    const std::string arrival_text =
        "MonitoredFeederArrival { recorded_at_time: \"r\", item_identifier: None, interchange_ref: None, connection_link_ref: None, "
        "stop_point_ref: None, order: None, strop_point_name: None, clear_down_ref: None, feeder_journey: " + kMinimalFeederJourney +
        ", vehicle_at_stop: None, aimed_arrival_time: None, expected_arrival_time: None, arrival_platform_time: None, "
        "number_of_transfer_passengers: None }";
    const std::string cancellation = "<MonitoredFeederArrivalCancellation><RecordedAtTime>c</RecordedAtTime></MonitoredFeederArrivalCancellation>";
    const std::string cancellation_text =
        "MonitoredFeederArrivalCancellation { recorded_at_time: \"c\", item_ref: None, interchange_ref: None, connection_link_ref: None, "
        "stop_point_ref: None, order: None, strop_point_name: None, journey_info: None, reason: None }";
    const std::string wait = "<WaitProlongedDeparture><RecordedAtTime>w</RecordedAtTime></WaitProlongedDeparture>";
    const std::string change = "<StoppingPositionChangeDeparture><RecordedAtTime>s</RecordedAtTime></StoppingPositionChangeDeparture>";
    const std::string cancel = "<DistributorDepartureCancellation><RecordedAtTime>d</RecordedAtTime></DistributorDepartureCancellation>";
    auto feeder = [&](const std::string& body) { return "<ConnectionMonitoringFeederDelivery>" + ts + body + "</ConnectionMonitoringFeederDelivery>"; };
    auto distributor = [&](const std::string& body) {
        return "<ConnectionMonitoringDistributorDelivery>" + ts + body + "</ConnectionMonitoringDistributorDelivery>";
    };
    struct {
        std::string deliveries, expected;
    } cases[] = {
        {feeder(cancellation + arrival), "feeder: " + arrival_text + " / " + cancellation_text},
        {feeder(cancellation), "error: missing field `MonitoredFeederArrival`"},
        {feeder(arrival), "error: missing field `MonitoredFeederArrivalCancellation`"},
        {feeder(arrival + arrival + cancellation), "error: duplicate field `MonitoredFeederArrival`"},
        {distributor(""), "distributor: None / None / None"},
        {distributor(cancel + change + wait),
         "distributor: Some(WaitProlongedDeparture { recorded_at_time: \"w\", distributor_info: None, expected_departure_time: None }) / "
         "Some(StoppingPositionChangeDeparture { recorded_at_time: \"s\", distributor_info: None, change_note: None, new_location: None }) / "
         "Some(DistributorDepartureCancellation { recorded_at_time: \"d\", distributor_info: None, reason: None })"},
        {distributor(wait + wait), "error: duplicate field `WaitProlongedDeparture`"},
        {distributor("<DistributorDepartureCancellation/>"), "error: missing field `RecordedAtTime`"},
    };
    for (const auto& c : cases) EXPECT_EQ(connection_monitoring(c.deliveries), c.expected) << c.deliveries;
}

// ---------------------------------------------------------------- example documents


TEST(ServiceExamples, TextFormMatchesGolden) {
    for (std::string name : {"general_message", "facility_monitoring", "connection_monitoring"}) {
        const std::string doc = file(QUAYMARK_DOCUMENTS "/../../examples/" + name + ".xml");
        std::string want = file(QUAYMARK_DOCUMENTS "/" + name + ".expected");
        ASSERT_FALSE(doc.empty()) << name;
        ASSERT_FALSE(want.empty()) << name;
        want.pop_back();  // the file's last newline
        EXPECT_EQ(quaymark::text_form(SIRI::from_str(doc)), want) << name;
    }
}

}  // namespace
