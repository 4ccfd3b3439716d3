// General message, facility monitoring and connection monitoring records: a document or an
// element in, the exact text form or the exact message out.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "siri.hpp"
#include "structures/accessibility_assesment.hpp"
#include "structures/facility.hpp"
#include "structures/facility_location.hpp"
#include "structures/group_reservation.hpp"
#include "structures/info_message.hpp"
#include "structures/info_message_cancellation.hpp"

namespace {

using namespace quaymark;

struct Case {
    std::string_view input;
    std::string_view expected;  // the text form, or "error: " and the message
};

// Reads one T from an element, as a holder's field reads it.
template <class T>
std::string read_as(std::string_view element) {
    try {
        xml::Reader r = xml::Reader::fragment(element);
        xml::Event start = r.next();
        return bind::text_form(bind::read_element<T>(r, start));
    } catch (const ParseError& e) {
        return "error: " + e.message();
    }
}

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

}  // namespace
