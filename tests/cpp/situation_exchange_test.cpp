// Situation exchange records: a document in, the exact text form or the exact message out.
#include <gtest/gtest.h>

#include "support.hpp"

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "siri.hpp"
#include "structures/pt_structure_element.hpp"
#include "xml/reader.hpp"

namespace {

using quaymark::testing::read_as;
using quaymark::testing::file;

using namespace quaymark;
using namespace quaymark::structures;


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

// The five lists of an affect other than the operators, each with one item.
const std::string kOtherLists =
    "<Networks/><StopPoints/><StopPlaces><PlaceRef>sp</PlaceRef><PlaceName>Central</PlaceName></StopPlaces>"
    "<Places><PlaceRef>pl</PlaceRef><PlaceName>Harbour</PlaceName></Places>"
    "<VehicleJourneys><VehicleJourneyRef>vj</VehicleJourneyRef></VehicleJourneys>";
const std::string kOtherListsText =
    "networks: [Network { network_ref: None, network_name: None, routes_affected: None }], "
    "stop_points: [AffectedStopPoint { stop_point_ref: None, affected_modes: None, zone: None }], "
    "stop_places: [AffectedPlace { place_ref: \"sp\", place_name: \"Central\" }], "
    "places: [AffectedPlace { place_ref: \"pl\", place_name: \"Harbour\" }], "
    "vehicle_journeys: [AffectedVehicleJourney { vehicle_journey_ref: \"vj\" }] }";
const std::string kAllOperators = "<Operators><allOperators/></Operators>";
const std::string kMinimalAffect = kAllOperators + kOtherLists;
const std::string kMinimalAffectText = "Affect { area_of_interest: None, operators: [AllOperators], " + kOtherListsText;

std::string affect(const std::string& inner) { return "<Affects>" + inner + "</Affects>"; }
std::string operators_text(const std::string& items) {
    return "Affect { area_of_interest: None, operators: [" + items + "], " + kOtherListsText;
}
std::string op(const char* ref) {
    return std::string("AffectedOperator(AffectedOperator { operator_ref: \"") + ref + "\" })";
}
const char* kVariantTail = ", expected `allOperators` or `affectedOperator`";

TEST(Affect, RequiredListsInOrder) {
    check<Affect>({
        {affect(kMinimalAffect), kMinimalAffectText},
        // Any order; only the elements of one list stand together.
        {affect("<VehicleJourneys><VehicleJourneyRef>vj</VehicleJourneyRef></VehicleJourneys>"
                "<Places><PlaceRef>pl</PlaceRef><PlaceName>Harbour</PlaceName></Places><StopPoints/>"
                "<StopPlaces><PlaceRef>sp</PlaceRef><PlaceName>Central</PlaceName></StopPlaces>" + kAllOperators +
                "<Networks/>"),
         kMinimalAffectText},
        {affect(kOtherLists), "error: missing field `Operators`"},
        {affect(""), "error: missing field `Operators`"},
        {affect(kAllOperators), "error: missing field `Networks`"},
        {affect(kAllOperators + "<Networks/>"), "error: missing field `StopPoints`"},
        {affect(kAllOperators + "<Networks/><StopPoints/>"), "error: missing field `StopPlaces`"},
        {affect(kAllOperators + "<Networks/><StopPoints/><StopPlaces><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></StopPlaces>"),
         "error: missing field `Places`"},
        {affect(kAllOperators + "<Networks/><StopPoints/><Places><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></Places>"
                "<StopPlaces><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></StopPlaces>"),
         "error: missing field `VehicleJourneys`"},
    });
}

TEST(Affect, Fields) {
    const std::string networks_rest =
        "<StopPoints/><StopPlaces><PlaceRef>sp</PlaceRef><PlaceName>Central</PlaceName></StopPlaces>"
        "<Places><PlaceRef>pl</PlaceRef><PlaceName>Harbour</PlaceName></Places>"
        "<VehicleJourneys><VehicleJourneyRef>vj</VehicleJourneyRef></VehicleJourneys>";
    check<Affect>({
        {affect("<AreaOfInterest/>" + kMinimalAffect),
         "Affect { area_of_interest: Some(\"\"), operators: [AllOperators], " + kOtherListsText},
        {affect("<AreaOfInterest>a</AreaOfInterest>" + kMinimalAffect + "<AreaOfInterest>b</AreaOfInterest>"),
         "error: duplicate field `AreaOfInterest`"},
        {affect(kMinimalAffect + "<AreaOfInterest/><VehicleJourneys><VehicleJourneyRef>w</VehicleJourneyRef></VehicleJourneys>"),
         "error: duplicate field `VehicleJourneys`"},
        {affect(kAllOperators + "<Networks NetworkRef='attr'><Wrap><NetworkRef>inner</NetworkRef></Wrap></Networks>"
                "<Networks><NetworkRef>N1</NetworkRef><NetworkName>City</NetworkName><RoutesAffected>all</RoutesAffected>"
                "</Networks>" + networks_rest),
         "Affect { area_of_interest: None, operators: [AllOperators], networks: [Network { network_ref: None, "
         "network_name: None, routes_affected: None }, Network { network_ref: Some(\"N1\"), network_name: Some(\"City\"), "
         "routes_affected: Some(\"all\") }], stop_points: [AffectedStopPoint { stop_point_ref: None, affected_modes: None, "
         "zone: None }], stop_places: [AffectedPlace { place_ref: \"sp\", place_name: \"Central\" }], places: "
         "[AffectedPlace { place_ref: \"pl\", place_name: \"Harbour\" }], vehicle_journeys: [AffectedVehicleJourney { "
         "vehicle_journey_ref: \"vj\" }] }"},
        {affect(kAllOperators + "<Networks/>stray" + networks_rest),
         "error: invalid type: string \"stray\", expected struct Network"},
        {affect(kAllOperators + "<Networks><NetworkName>a</NetworkName><NetworkName>b</NetworkName></Networks>" + networks_rest),
         "error: duplicate field `NetworkName`"},
        {affect(kAllOperators + "<Networks/>" + "<Networks/><StopPoints/><Networks/>"), "error: duplicate field `Networks`"},
        {affect(kAllOperators + "<Networks/><StopPoints/><StopPlaces><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></StopPlaces>"
                "<Places><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></Places>"
                "<VehicleJourneys><VehicleJourneyRef>1</VehicleJourneyRef></VehicleJourneys>"
                "<VehicleJourneys><VehicleJourneyRef>2</VehicleJourneyRef></VehicleJourneys>"),
         "Affect { area_of_interest: None, operators: [AllOperators], networks: [Network { network_ref: None, network_name: "
         "None, routes_affected: None }], stop_points: [AffectedStopPoint { stop_point_ref: None, affected_modes: None, "
         "zone: None }], stop_places: [AffectedPlace { place_ref: \"a\", place_name: \"b\" }], places: [AffectedPlace { "
         "place_ref: \"a\", place_name: \"b\" }], vehicle_journeys: [AffectedVehicleJourney { vehicle_journey_ref: \"1\" "
         "}, AffectedVehicleJourney { vehicle_journey_ref: \"2\" }] }"},
        {affect(kAllOperators + "<Networks/><StopPoints/><StopPlaces><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></StopPlaces>"
                "<Places><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></Places><VehicleJourneys/>"),
         "error: missing field `VehicleJourneyRef`"},
        {affect(kAllOperators + "<Networks/><StopPoints/><StopPlaces><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></StopPlaces>"
                "<Places><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></Places><VehicleJourneys><VehicleJourneyRef>1"
                "</VehicleJourneyRef><VehicleJourneyRef>2</VehicleJourneyRef></VehicleJourneys>"),
         "error: duplicate field `VehicleJourneyRef`"},
    });
}

// The operators stand inside "Operators" wrappers, each child one item chosen by its name.
TEST(Affect, OperatorVariants) {
    check<Affect>({
        {affect("<Operators/>" + kOtherLists), operators_text("")},
        {affect("<Operators>\n  </Operators>" + kOtherLists), operators_text("")},
        {affect("<Operators><allOperators a='1'>anything<Deep><allOperators/></Deep></allOperators>"
                "<affectedOperator><OperatorRef>A</OperatorRef><Other/></affectedOperator></Operators>"
                "<Operators><siri:affectedOperator><OperatorRef>B</OperatorRef></siri:affectedOperator></Operators>"
                "<Operators/><Operators>\n<allOperators/>\n</Operators>" + kOtherLists),
         operators_text("AllOperators, " + op("A") + ", " + op("B") + ", AllOperators")},
        {affect("<Operators><AllOperators/></Operators>" + kOtherLists),
         std::string("error: unknown variant `AllOperators`") + kVariantTail},
        {affect("<Operators><Operators><allOperators/></Operators></Operators>" + kOtherLists),
         std::string("error: unknown variant `Operators`") + kVariantTail},
        {affect("<Operators>all</Operators>" + kOtherLists), std::string("error: unknown variant `$text`") + kVariantTail},
        {affect("<Operators><allOperators/>all</Operators>" + kOtherLists),
         std::string("error: unknown variant `$text`") + kVariantTail},
        {affect("<Operators><allOperators/></Operators>all" + kOtherLists),
         std::string("error: unknown variant `$text`") + kVariantTail},
        {affect("<Operators><affectedOperator/></Operators>" + kOtherLists), "error: missing field `OperatorRef`"},
        {affect("<Operators><affectedOperator><OperatorRef>A</OperatorRef><OperatorRef>B</OperatorRef></affectedOperator>"
                "</Operators>" + kOtherLists),
         "error: duplicate field `OperatorRef`"},
        {affect(kAllOperators + "<Networks/>" + kAllOperators + "<StopPoints/><StopPlaces><PlaceRef>a</PlaceRef>"
                "<PlaceName>b</PlaceName></StopPlaces>"),
         "error: duplicate field `Operators`"},
        // A run continues only under the same prefix.
        {affect(kAllOperators + "<siri:Operators/>" + kOtherLists), "error: duplicate field `Operators`"},
    });
}

std::string stop_point(const char* ref, const char* modes, const char* zone) {
    auto opt = [](const char* v) { return v ? std::string("Some(\"") + v + "\")" : std::string("None"); };
    return "AffectedStopPoint { stop_point_ref: " + opt(ref) + ", affected_modes: " + opt(modes) +
           ", zone: " + (zone ? std::string("Some(") + zone + ")" : std::string("None")) + " }";
}

// The zone is formed from its members among the stop point's children; a zone that cannot be
// formed is absent, never an error. Every other child is skipped as in any record.
TEST(AffectedStopPoint, Zone) {
    const char* zone = "Zone { place_ref: \"p\", place_name: \"n\", stop_condition: \"c\" }";
    check<AffectedStopPoint>({
        {"<S/>", stop_point(nullptr, nullptr, nullptr)},
        {"<S a='1'>text<StopPointRef/></S>", stop_point("", nullptr, nullptr)},
        {"<S><PlaceName>n</PlaceName><StopPointRef>s</StopPointRef><StopCondition>c</StopCondition>"
         "<StopPointName>skipped</StopPointName><AffectedModes>m</AffectedModes><x:PlaceRef a='1'>p</x:PlaceRef></S>",
         stop_point("s", "m", zone)},
        {"<S><PlaceRef>p</PlaceRef><PlaceName>n</PlaceName><StopPointRef>s</StopPointRef></S>", stop_point("s", nullptr, nullptr)},
        {"<S><PlaceRef>p</PlaceRef><PlaceName>n</PlaceName><StopCondition>c</StopCondition><PlaceRef>q</PlaceRef>"
         "<AffectedModes>m</AffectedModes></S>",
         stop_point(nullptr, "m", nullptr)},
        {"<S><PlaceRef><Inner>p</Inner></PlaceRef><PlaceName>n</PlaceName><StopCondition>c</StopCondition></S>",
         stop_point(nullptr, nullptr, nullptr)},
        {"<S><PlaceRef/><PlaceName>&lt;n&gt;</PlaceName><StopCondition>c</StopCondition></S>",
         stop_point(nullptr, nullptr, "Zone { place_ref: \"\", place_name: \"<n>\", stop_condition: \"c\" }")},
        {"<S><StopPointRef>a</StopPointRef><StopPointRef>b</StopPointRef></S>", "error: duplicate field `StopPointRef`"},
        {"<S><AffectedModes>a</AffectedModes><AffectedModes>b</AffectedModes></S>", "error: duplicate field `AffectedModes`"},
        {"<S><StopPointRef><X/></StopPointRef></S>", "error: unexpected `Event::Start(\"X\")`"},
        {"<S><PlaceRef>p</PlaceRef><PlaceName>n</PlaceName><StopCondition>c",
         "error: ill-formed document: start tag not closed: `</StopCondition>` not found before end of input"},
        // what is skipped is not expanded and its attributes are not examined
        {"<S><StopPointRef>S</StopPointRef><StopPointName>A&nbsp;B</StopPointName></S>", stop_point("S", nullptr, nullptr)},
        {"<S><StopPointRef>S</StopPointRef><Lines a=\"1\" a=\"2\"/></S>", stop_point("S", nullptr, nullptr)},
        {"<S note=\"&bogus;\"><StopPointRef>S</StopPointRef></S>", stop_point("S", nullptr, nullptr)},
        {"<S><Extra x='&bad;'><Deep>&bad;</Deep></Extra><PlaceRef>p</PlaceRef><PlaceName>n</PlaceName>"
         "<StopCondition>c</StopCondition></S>",
         stop_point(nullptr, nullptr, zone)},
        // the stop point's own attributes are checked as any record's are
        {"<S a='1' a='2'/>", "error: error while parsing attribute: position 8: duplicated attribute, previous declaration at position 2"},
        // malformed markup fails wherever it stands
        {"<S><StopPointName><a></b></StopPointName></S>", "error: ill-formed document: expected `</a>`, but `</b>` was found"},
        {"<S><StopPointName>x", "error: ill-formed document: start tag not closed: `</StopPointName>` not found before end of input"},
    });
}

TEST(AffectedPlace, Reads) {
    check<AffectedPlace>({
        {"<P><StopPointName>x</StopPointName><PlaceName>n</PlaceName><PlaceRef>p</PlaceRef></P>",
         "AffectedPlace { place_ref: \"p\", place_name: \"n\" }"},
        {"<P/>", "error: missing field `PlaceRef`"},
        {"<P><PlaceName>n</PlaceName></P>", "error: missing field `PlaceRef`"},
        {"<P><PlaceRef>p</PlaceRef></P>", "error: missing field `PlaceName`"},
        {"<P><PlaceRef>p</PlaceRef><PlaceRef>q</PlaceRef></P>", "error: duplicate field `PlaceRef`"},
        {"<P><PlaceName>n</PlaceName><PlaceName>m</PlaceName></P>", "error: duplicate field `PlaceName`"},
    });
    // Text in a run of stop points or places.
    check<Affect>({
        {affect(kAllOperators + "<Networks/><StopPoints/>stray"), "error: invalid type: string \"stray\", expected struct AffectedStopPoint"},
        {affect(kAllOperators + "<Places><PlaceRef>a</PlaceRef><PlaceName>b</PlaceName></Places>x"),
         "error: invalid type: string \"x\", expected struct AffectedPlace"},
    });
}

const std::string kBoardingNone = "Boarding { arrival_boarding_activity: None, departure_boarding_activity: None }";

TEST(PtConsequence, Reads) {
    const std::string cs = "<C><Condition>delayed</Condition><Severity>severe</Severity>";
    check<PtConsequence>({
        {cs + "<Boarding/></C>",
         "PtConsequence { condition: Delayed, severity: Severe, advice: None, blocking: None, boarding: " + kBoardingNone +
             ", delays: None }"},
        {"<C><Delays>15</Delays><Period>skipped</Period><Boarding><DepartureBoardingActivity>noBoarding"
         "</DepartureBoardingActivity><ArrivalBoardingActivity>alighting</ArrivalBoardingActivity></Boarding>"
         "<Blocking><JourneyPlanner>1</JourneyPlanner></Blocking><Advice><Details>Use line 4</Details></Advice>"
         "<Severity>noImpact</Severity><Condition>diverted</Condition></C>",
         "PtConsequence { condition: Diverted, severity: NoImpact, advice: Some(PtAdvice { advice_ref: None, details: "
         "\"Use line 4\" }), blocking: Some(Blocking { journey_planner: true }), boarding: Boarding { "
         "arrival_boarding_activity: Some(Alighting), departure_boarding_activity: Some(NoBoarding) }, delays: Some(15) }"},
        {cs + "<Blocking><JourneyPlanner>false</JourneyPlanner></Blocking><Boarding/></C>",
         "PtConsequence { condition: Delayed, severity: Severe, advice: None, blocking: Some(Blocking { journey_planner: "
         "false }), boarding: " + kBoardingNone + ", delays: None }"},
        {"<C/>", "error: missing field `Condition`"},
        {"<C><Boarding/><Severity>slight</Severity></C>", "error: missing field `Condition`"},
        {"<C><Condition>altered</Condition><Boarding/></C>", "error: missing field `Severity`"},
        {cs + "<Advice><Details>d</Details></Advice><Delays>1</Delays></C>", "error: missing field `Boarding`"},
        {cs + "<Advice/><Boarding/></C>", "error: missing field `Details`"},
        {cs + "<Blocking/><Boarding/></C>", "error: missing field `JourneyPlanner`"},
        {cs + "<Blocking><JourneyPlanner/></Blocking><Boarding/></C>", "error: invalid type: string \"\", expected a boolean"},
        {cs + "<Advice><Details>a</Details></Advice><Advice><Details>b</Details></Advice><Boarding/></C>",
         "error: duplicate field `Advice`"},
        {cs + "<Boarding/><Delays/></C>", "error: invalid type: string \"\", expected u32"},
        {cs + "<Boarding/><Delays>-5</Delays></C>", "error: invalid type: string \"-5\", expected u32"},
        {cs + "<Boarding/><Delays><M>5</M></Delays></C>", "error: unexpected `Event::Start(\"M\")`"},
        {"<C><Condition>delayed</Condition><Severity>NoImpact</Severity><Boarding/></C>",
         "error: unknown variant `NoImpact`, expected one of `unknown`, `slight`, `normal`, `severe`, `noImpact`, `undefined`"},
        {"<C><Condition>closed</Condition></C>",
         "error: unknown variant `closed`, expected one of `unknown`, `altered`, `cancelled`, `delayed`, `diverted`, "
         "`noService`, `disrupted`, `additionalService`, `specialService`, `onTime`, `normalService`, "
         "`intermittentService`, `extendedService`, `splittingTrain`, `replacementTransport`, `arrivesEarly`, "
         "`shuttleService`, `replacementService`, `undefinedServiceInformation`"},
        {cs + "<Boarding><ArrivalBoardingActivity/></Boarding></C>",
         "error: unknown variant `$text`, expected one of `alighting`, `noAlighting`, `passThru`, `boarding`, `noBoarding`"},
    });
}

const std::string kActionNone = "parameterized_action: None";

TEST(PublishingActions, Reads) {
    const char* all_none = "PublishingActions { publish_to_web_action: None, publish_to_mobile_action: None, "
                           "publish_to_display_action: None, notify_by_email_action: None, notify_by_sms_action: None }";
    check<PublishingActions>({
        {"<A/>", all_none},
        {"<A><PublishToMobileAction/><PublishToDisplayAction><OnBoard>true</OnBoard><OnPlace>0</OnPlace>"
         "<ParameterisedAction/></PublishToDisplayAction></A>",
         "PublishingActions { publish_to_web_action: None, publish_to_mobile_action: Some(PublishToMobileAction { " +
             kActionNone + ", incidents: None, home_page: None }), publish_to_display_action: Some(PublishToDisplayAction "
             "{ " + kActionNone + ", on_place: Some(false), onboard: None }), notify_by_email_action: None, "
             "notify_by_sms_action: None }"},
        {"<A><PublishToWebAction/></A>", "error: missing field `SocialNetwork`"},
        {"<A><NotifyByEmailAction/></A>", "error: missing field `BeforeNotices`"},
        {"<A><NotifyBySmsAction/></A>", "error: missing field `BeforeNotices`"},
        {"<A><PublishToMobileAction/><PublishToMobileAction/></A>", "error: duplicate field `PublishToMobileAction`"},
        {"<A><PublishToDisplayAction><Onboard>yes</Onboard></PublishToDisplayAction></A>",
         "error: invalid type: string \"yes\", expected a boolean"},
    });
    check<PublishToWebAction>({
        {"<W><SocialNetwork>a</SocialNetwork><SocialNetwork>b</SocialNetwork>c</W>",
         "PublishToWebAction { " + kActionNone + ", incidents: None, home_page: None, ticker: None, social_network: "
         "[\"a\", \"b\", \"c\"] }"},
        {"<W><Ticker>1</Ticker><SocialNetwork>a</SocialNetwork><HomePage>true</HomePage><SocialNetwork>b</SocialNetwork></W>",
         "error: duplicate field `SocialNetwork`"},
    });
    check<NotifyBySmsAction>({
        {"<N><BeforeNotices><Interval>I</Interval></BeforeNotices><ClearNotice>true</ClearNotice><Phone>P</Phone></N>",
         "NotifyBySmsAction { parameterized_action: None, before_notices: [BeforeNotice { interval: \"I\" }], "
         "clear_notice: Some(true), phone: Some(\"P\"), premium: None }"},
        {"<N><BeforeNotices><Interval>1</Interval></BeforeNotices><BeforeNotices><Interval>2</Interval><Other/>"
         "</BeforeNotices><BeforeNotices><Interval>soon</Interval></BeforeNotices><Premium>0</Premium><Phone/></N>",
         "NotifyBySmsAction { parameterized_action: None, before_notices: [BeforeNotice { interval: \"1\" }, BeforeNotice "
         "{ interval: \"2\" }, BeforeNotice { interval: \"soon\" }], clear_notice: None, phone: Some(\"\"), premium: "
         "Some(false) }"},
        {"<N><BeforeNotices><Interval>1</Interval></BeforeNotices><ClearNotice>1</ClearNotice>"
         "<BeforeNotices><Interval>2</Interval></BeforeNotices></N>",
         "error: duplicate field `BeforeNotices`"},
        {"<N><BeforeNotices><Interval>1</Interval></BeforeNotices>c</N>",
         "error: invalid type: string \"c\", expected struct BeforeNotice"},
        {"<N><BeforeNotices><Interval>1</Interval><Interval>2</Interval></BeforeNotices></N>", "error: duplicate field `Interval`"},
        {"<N><BeforeNotices/></N>", "error: missing field `Interval`"},
        {"<N><BeforeNotices><Interval>1</Interval></BeforeNotices><ClearNotice/></N>",
         "error: invalid type: string \"\", expected a boolean"},
    });
    check<NotifyByEmailAction>({
        {"<N><Email/><ClearNotice>0</ClearNotice><BeforeNotices><Interval>PT1H</Interval></BeforeNotices></N>",
         "NotifyByEmailAction { parameterized_action: None, before_notices: [BeforeNotice { interval: \"PT1H\" }], "
         "clear_notice: Some(false), email: Some(\"\") }"},
    });
}

TEST(ParameterisedAction, Reads) {
    check<PublishToMobileAction>({
        {"<M><ParameterizedAction><ActionStatus>active</ActionStatus><Description>d</Description><ActionData><Name>n"
         "</Name></ActionData><ActionData><Name>m</Name><Prompt>p</Prompt><PublishAtScope><ScopeType>line</ScopeType>" +
             affect(kMinimalAffect) + "</PublishAtScope></ActionData></ParameterizedAction><Incidents>1</Incidents></M>",
         "PublishToMobileAction { parameterized_action: Some(ParameterisedAction { action_status: Some(Active), "
         "description: Some(\"d\"), action_data: [ActionData { name: \"n\", prompt: None, publish_at_scope: None }, "
         "ActionData { name: \"m\", prompt: Some(\"p\"), publish_at_scope: Some(PublishAtScope { scope_type: Some(Line), "
         "affects: [" + kMinimalAffectText + "] }) }] }), incidents: Some(true), home_page: None }"},
        {"<M><ParameterizedAction><ActionStatus>active</ActionStatus><Description>d</Description></ParameterizedAction></M>",
         "error: missing field `ActionData`"},
        {"<M><ParameterizedAction><ActionData/></ParameterizedAction></M>", "error: missing field `Name`"},
        {"<M><ParameterizedAction><ActionData><Name>n</Name><PublishAtScope/></ActionData></ParameterizedAction></M>",
         "error: missing field `Affects`"},
        {"<M><ParameterizedAction><ActionData><Name>n</Name></ActionData><Description>d</Description><ActionData><Name>"
         "m</Name></ActionData></ParameterizedAction></M>",
         "error: duplicate field `ActionData`"},
        {"<M><ParameterizedAction><ActionData><Name>n</Name></ActionData>t<ActionData><Name>m</Name></ActionData>"
         "</ParameterizedAction></M>",
         "error: invalid type: string \"t\", expected struct ActionData"},
        {"<M><ParameterizedAction><ActionStatus>Active</ActionStatus></ParameterizedAction></M>",
         "error: unknown variant `Active`, expected one of `unknown`, `active`, `inactive`"},
        {"<M><ParameterizedAction><ActionData><Name>n</Name><PublishAtScope><ScopeType>lines</ScopeType></PublishAtScope>"
         "</ActionData></ParameterizedAction></M>",
         "error: unknown variant `lines`, expected one of `general`, `operator`, `network`, `route`, `line`, `place`, "
         "`stopPlace`, `stopPoint`, `vehicleJourney`"},
        {"<M><ParameterizedAction><ActionData><Name>n</Name><PublishAtScope>" + affect(kMinimalAffect) +
             "<ScopeType>line</ScopeType>" + affect(kMinimalAffect) + "</PublishAtScope></ActionData></ParameterizedAction></M>",
         "error: duplicate field `Affects`"},
    });
}

// A situation with its four required children; `extra` goes before the affects.
std::string situation(const std::string& extra, const std::string& affects = affect(kMinimalAffect)) {
    return "<Situations><CreationTime>2024-05-01T05:00:00Z</CreationTime><SituationBasedIdentityGroup><CountryRef>NO"
           "</CountryRef><ParticipantRef>RUT</ParticipantRef><SituationNumber>S1</SituationNumber>"
           "</SituationBasedIdentityGroup>" + extra + affects +
           "<Consequences><Condition>delayed</Condition><Severity>slight</Severity><Boarding/></Consequences></Situations>";
}
const std::string kIdentity =
    "situation_based_identity_group: SituationBasedIdentityGroup { country_ref: \"NO\", participant_ref: \"RUT\", "
    "situation_number: \"S1\", version: None }";
const std::string kConsequences =
    "consequences: [PtConsequence { condition: Delayed, severity: Slight, advice: None, blocking: None, boarding: " +
    kBoardingNone + ", delays: None }]";
// The text form of situation(extra) with the optional fields given in `opt` (all None by default).
std::string situation_text(const std::string& opt, const std::string& affects = "[" + kMinimalAffectText + "]") {
    return "PtSituationElement { creation_time: \"2024-05-01T05:00:00Z\", " + kIdentity + ", " + opt +
           ", affects: " + affects + ", " + kConsequences + ", publishing_actions: None }";
}
const std::string kNone =
    "source: None, versioned_at_time: None, verification: None, validity_period: None, reason_name: None, severity: "
    "None, priority: None, sensivity: None, audience: None, scope_type: None, planned: None, keywords: None, summary: "
    "None, description: None, detail: None, advice: None, internal: None";
std::string with(const std::string& field, const std::string& value) {
    std::string s = kNone;
    auto at = s.find(field + ": None");
    return s.replace(at, field.size() + 6, field + ": " + value);
}

TEST(PtSituationElement, Reads) {
    const char* body_none = "PtSituationBodyGroup { verification: None, progress: None, quality_index: None, publication: None }";
    check<PtSituationElement>({
        {situation(""), situation_text(kNone)},
        {situation("<Severity>not an enumeration</Severity>"), situation_text(with("severity", "Some(\"not an enumeration\")"))},
        {situation("<Sensivity>high</Sensivity><Sensitivity>low</Sensitivity>"), situation_text(with("sensivity", "Some(High)"))},
        {situation("<Keywords>works bridge night</Keywords>"), situation_text(with("keywords", "Some(\"works bridge night\")"))},
        {situation("<Source/>"), situation_text(with("source", "Some(SituationSource { name: None, source_type: None })"))},
        {situation("<Source><SourceType>tV</SourceType><Name>NRK</Name></Source>"),
         situation_text(with("source", "Some(SituationSource { name: Some(\"NRK\"), source_type: Some(TV) })"))},
        {situation("<Description/>"), situation_text(with("description", "Some(\"\")"))},
        {situation("<Verification>verified</Verification><Progress>open</Progress>"),
         situation_text(with("verification", std::string("Some(") + body_none + ")"))},
        {situation("<Verification><Verification>verified</Verification><Progress>closed</Progress><QualityIndex>reliable"
                   "</QualityIndex><Publication>public</Publication></Verification>"),
         situation_text(with("verification", "Some(PtSituationBodyGroup { verification: Some(Verified), progress: "
                                             "Some(Closed), quality_index: Some(Reliable), publication: Some(\"public\") })"))},
        {situation("<Priority>+3</Priority>"), situation_text(with("priority", "Some(3)"))},
        {situation("<Planned>0</Planned>"), situation_text(with("planned", "Some(false)"))},
        {situation("<ValidityPeriod><StartTime>s</StartTime><EndTime>e</EndTime></ValidityPeriod>"),
         situation_text(with("validity_period", "Some(ValidityPeriod { start_time: \"s\", end_time: \"e\", end_time_status: "
                                                "None, end_time_precision: None })"))},
        {situation("", affect(kMinimalAffect) + "\n" + affect(kMinimalAffect)),
         situation_text(kNone, "[" + kMinimalAffectText + ", " + kMinimalAffectText + "]")},
    });
}

TEST(PtSituationElement, Fails) {
    check<PtSituationElement>({
        {"<Situations><Summary>s</Summary></Situations>", "error: missing field `CreationTime`"},
        {"<Situations><PtSituationElement>" + situation("") + "</PtSituationElement></Situations>",
         "error: missing field `CreationTime`"},
        {"<Situations><CreationTime>t</CreationTime></Situations>", "error: missing field `SituationBasedIdentityGroup`"},
        {"<Situations><CreationTime>t</CreationTime><SituationBasedIdentityGroup><CountryRef>NO</CountryRef>"
         "</SituationBasedIdentityGroup></Situations>",
         "error: missing field `ParticipantRef`"},
        {"<Situations><CreationTime>t</CreationTime><SituationBasedIdentityGroup><CountryRef>NO</CountryRef><ParticipantRef>"
         "P</ParticipantRef><SituationNumber>1</SituationNumber></SituationBasedIdentityGroup>" + affect(kMinimalAffect) +
             "</Situations>",
         "error: missing field `Consequences`"},
        {"<Situations><CreationTime>t</CreationTime><SituationBasedIdentityGroup><CountryRef>NO</CountryRef><ParticipantRef>"
         "P</ParticipantRef><SituationNumber>1</SituationNumber></SituationBasedIdentityGroup><Consequences><Condition>delayed"
         "</Condition><Severity>slight</Severity><Boarding/></Consequences></Situations>",
         "error: missing field `Affects`"},
        {situation("<CreationTime>again</CreationTime>"), "error: duplicate field `CreationTime`"},
        {situation("<Source/><Source/>"), "error: duplicate field `Source`"},
        {situation("", affect(kMinimalAffect) + "<Summary>s</Summary>" + affect(kMinimalAffect)), "error: duplicate field `Affects`"},
        {situation("<ValidityPeriod/>"), "error: missing field `StartTime`"},
        {situation("<Sensivity>High</Sensivity>"), "error: unknown variant `High`, expected one of `high`, `medium`, `low`"},
        {situation("<Audience>everyone</Audience>"),
         "error: unknown variant `everyone`, expected one of `public`, `emergencyService`, `authorities`, `transportOperators`"},
        {situation("<ScopeType/>"),
         "error: unknown variant `$text`, expected one of `general`, `operator`, `network`, `route`, `line`, `place`, "
         "`stopPlace`, `stopPoint`, `vehicleJourney`"},
        {situation("<Source><SourceType>TV</SourceType></Source>"),
         "error: unknown variant `TV`, expected one of `directReport`, `email`, `phone`, `post`, `feed`, `radio`, `tV`, "
         "`web`, `text`, `other`"},
        {situation("<Verification><Verification>checked</Verification></Verification>"),
         "error: unknown variant `checked`, expected one of `unknown`, `unverified`, `verified`"},
        {situation("<Verification><Progress>done</Progress></Verification>"),
         "error: unknown variant `done`, expected one of `open`, `published`, `closed`"},
        {situation("<Verification><QualityIndex>good</QualityIndex></Verification>"),
         "error: unknown variant `good`, expected one of `certain`, `veryReliable`, `reliable`, `unreliable`, `unconfirmed`"},
        {situation("<Priority>high</Priority>"), "error: invalid type: string \"high\", expected u32"},
        {situation("<Planned>yes</Planned>"), "error: invalid type: string \"yes\", expected a boolean"},
        {situation("<PublishingActions><PublishToWebAction/></PublishingActions>"), "error: missing field `SocialNetwork`"},
    });
}

// Situations reached through a whole document: the delivery's run of "Situations" elements.
std::string parse(const std::string& situations) {
    const std::string doc =
        "<Siri><Body><NotifySituationExchange><ServiceDeliveryInfo><ProducerRef>P</ProducerRef></ServiceDeliveryInfo>"
        "<Notification><SituationExchangeDelivery><ResponseTimestamp>t</ResponseTimestamp>" + situations +
        "</SituationExchangeDelivery></Notification></NotifySituationExchange></Body></Siri>";
    try {
        return quaymark::text_form(SIRI::from_str(doc));
    } catch (const ParseError& e) {
        return "error: " + e.message();
    }
}

TEST(SituationExchangeDelivery, Situations) {
    EXPECT_EQ(parse(situation("") + "stray"), "error: invalid type: string \"stray\", expected struct PtSituationElement");
    EXPECT_EQ(parse("<Situations><PtSituationElement>" + situation("") + "</PtSituationElement></Situations>"),
              "error: missing field `CreationTime`");
    EXPECT_EQ(parse(""), "error: missing field `Situations`");
    EXPECT_EQ(parse(situation("") + "<Status>true</Status>" + situation("")), "error: duplicate field `Situations`");
    const std::string two = parse(situation("") + situation("<Summary>second</Summary>"));
    EXPECT_NE(two.find("situations: [" + situation_text(kNone) + ", " + situation_text(with("summary", "Some(\"second\")")) +
                       "] }"),
              std::string::npos)
        << two;
}


// The example document, read whole: its text form is kept beside the test documents.
TEST(SituationExchangeDelivery, ExampleDocument) {
    const std::string doc = file(QUAYMARK_DOCUMENTS "/../../examples/situation_exchange.xml");
    std::string want = file(QUAYMARK_DOCUMENTS "/situation_exchange.expected");
    ASSERT_FALSE(doc.empty());
    ASSERT_FALSE(want.empty());
    want.pop_back();  // the file's last newline
    EXPECT_EQ(quaymark::text_form(SIRI::from_str(doc)), want);
}

}  // namespace
