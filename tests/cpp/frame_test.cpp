// The document frame: envelope, body and service dispatch, service records, notifications,
// deliveries and their merged header, and the frame's text form.
#include <gtest/gtest.h>

#include "support.hpp"

namespace {

using quaymark::testing::in_body;
using quaymark::testing::message;
using quaymark::testing::outcome;
using quaymark::testing::stop_monitoring;

const std::string kSdi = "<ServiceDeliveryInfo><ProducerRef>OP</ProducerRef></ServiceDeliveryInfo>";
const std::string kTs = "<ResponseTimestamp>T</ResponseTimestamp>";
const std::string kHeader =
    "XxxDelivery { response_timestamp: \"T\", request_message_ref: None, subscriber_ref: None, subscription_ref: None, "
    "status: None, valid_until: None, shortest_possible_cycle: None }";
const std::string kSdiForm =
    "ServiceDeliveryInfo { response_timestamp: None, producer_ref: \"OP\", request_message_identifier: None, response_message_ref: None }";

std::string service(const std::string& element, const std::string& notification_content,
                    const std::string& notification = "Notification") {
    return "<" + element + ">" + kSdi + "<" + notification + ">" + notification_content + "</" + notification +
           "></" + element + ">";
}

struct Row {
    std::string doc;
    std::string expected;
};

class Frame : public ::testing::TestWithParam<Row> {};

TEST_P(Frame, Message) { EXPECT_EQ(message(GetParam().doc), GetParam().expected) << GetParam().doc; }

const std::string kService = "NotifyProductionTimetable`, `NotifyEstimatedTimetable`, `NotifyStopMonitoring`, "
                             "`GetVehicleMonitoringResponse`, `NotifyConnectionMonitoring`, `GeneralMessage`, "
                             "`NotifyGeneralMessage`, `NotifyFacilityMonitoring`, `NotifySituationExchange`";
const std::string kHeaderNames = "`ResponseTimestamp`, `RequestMessageRef`, `SubscriberRef`, `SubscriptionRef`, "
                                 "`Status`, `ValidUntil`, `ShortestPossibleCycle`";

INSTANTIATE_TEST_SUITE_P(
    Messages, Frame,
    ::testing::Values(
        // envelope and body
        Row{"<Siri><Body/><Body/></Siri>", "Missing service type"},
        Row{"<Siri><Body>" + service("NotifyStopMonitoring", "<StopMonitoringDelivery>" + kTs + "</StopMonitoringDelivery>") +
                "</Body><soapenv:Body/></Siri>",
            "duplicate field `Body`"},
        Row{"<Siri Body='x'>text</Siri>", "missing field `Body`"},
        Row{"<Siri><Body> \n </Body></Siri>", "Missing service type"},
        Row{"<Siri><Body xmlns:siri='u'/></Siri>", "unknown field `@xmlns:siri`, expected one of `" + kService},
        Row{"<Siri><Body x:id='u'/></Siri>", "unknown field `@id`, expected one of `" + kService},
        Row{in_body("text"), "unknown field `$text`, expected one of `" + kService},
        Row{in_body("<notifyStopMonitoring/>"), "unknown field `notifyStopMonitoring`, expected one of `" + kService},
        Row{in_body("<NotifyVehicleMonitoring/>"), "unknown field `NotifyVehicleMonitoring`, expected one of `" + kService},
        Row{in_body(service("NotifyStopMonitoring", "<StopMonitoringDelivery>" + kTs + "</StopMonitoringDelivery>") + "<Other/>"),
            "unknown field `Other`, expected one of `" + kService},
        Row{in_body("<NotifyStopMonitoring/>"), "missing field `ServiceDeliveryInfo`"},
        Row{"<Siri><Body><NotifyStopMonitoring>", "ill-formed document: start tag not closed: `</NotifyStopMonitoring>` not found before end of input"},
        // service records and ServiceDeliveryInfo
        Row{in_body("<NotifyStopMonitoring><Notification><StopMonitoringDelivery>" + kTs +
                    "</StopMonitoringDelivery></Notification></NotifyStopMonitoring>"),
            "missing field `ServiceDeliveryInfo`"},
        Row{in_body("<NotifyStopMonitoring>" + kSdi + "</NotifyStopMonitoring>"), "missing field `Notification`"},
        Row{in_body("<GetVehicleMonitoringResponse>" + kSdi + "</GetVehicleMonitoringResponse>"), "missing field `Answer`"},
        Row{in_body("<NotifyStopMonitoring>" + kSdi + kSdi + "</NotifyStopMonitoring>"), "duplicate field `ServiceDeliveryInfo`"},
        Row{in_body("<GetVehicleMonitoringResponse>" + kSdi + "<Answer/><Notification/></GetVehicleMonitoringResponse>"),
            "missing field `VehicleMonitoringDelivery`"},
        Row{in_body("<GetVehicleMonitoringResponse>" + kSdi +
                    "<Answer><VehicleMonitoringDelivery>" + kTs + "</VehicleMonitoringDelivery></Answer><Notification/></GetVehicleMonitoringResponse>"),
            "duplicate field `Answer`"},
        Row{in_body("<NotifyStopMonitoring><ServiceDeliveryInfo/></NotifyStopMonitoring>"), "missing field `ProducerRef`"},
        Row{in_body("<NotifyStopMonitoring><ServiceDeliveryInfo><ProducerRef/><ProducerRef/></ServiceDeliveryInfo></NotifyStopMonitoring>"),
            "duplicate field `ProducerRef`"},
        Row{in_body("<NotifyStopMonitoring><serviceDeliveryInfo/>" + kSdi.substr(0, 0) + "<Notification/></NotifyStopMonitoring>"),
            "missing field `StopMonitoringDelivery`"},
        Row{in_body(service("NotifyGeneralMessage", "<Answer/>")), "missing field `GeneralMessageDelivery`"},
        // notifications
        Row{in_body(service("NotifyStopMonitoring", "")), "missing field `StopMonitoringDelivery`"},
        Row{in_body(service("NotifyStopMonitoring", "<StopMonitoringDelivery>" + kTs + "</StopMonitoringDelivery><StopMonitoringDelivery/>")),
            "duplicate field `StopMonitoringDelivery`"},
        Row{in_body(service("NotifyEstimatedTimetable", "<siri1:EstimatedTimetableDelivery/><EstimatedTimetableDelivery/>")),
            "missing field `EstimatedJourneyVersionFrame`"},
        Row{in_body(service("NotifyEstimatedTimetable", "<EstimatedJourneyVersionFrame/><x:siri1:EstimatedTimetableDelivery><EstimatedJourneyVersionFrame><RecordedAtTime/><EstimatedVehicleJourney/>"
                                                        "</EstimatedJourneyVersionFrame>" + kTs +
                                                        "</x:siri1:EstimatedTimetableDelivery><EstimatedTimetableDelivery/>")),
            "duplicate field `EstimatedTimetableDelivery`"},
        Row{in_body(service("NotifyGeneralMessage", "<StopMonitoringDelivery/>")), "missing field `GeneralMessageDelivery`"},
        Row{in_body(service("NotifyConnectionMonitoring", "<ConnectionMonitoringFeederDelivery/><ConnectionMonitoringFeederDelivery/>")),
            "missing field `MonitoredFeederArrival`"},
        // deliveries and their header
        Row{stop_monitoring(""), "missing field `ResponseTimestamp`"},
        Row{stop_monitoring("<ResponseTimestamp/>"), "missing field `ResponseTimestamp`"},
        Row{stop_monitoring(kTs + "<ResponseTimestamp><x/></ResponseTimestamp>"), "missing field `ResponseTimestamp`"},
        Row{stop_monitoring(kTs + "<Extra/>"), "unknown field `Extra`, expected one of " + kHeaderNames},
        Row{stop_monitoring(kTs + "text"), "unknown field `$text`, expected one of " + kHeaderNames},
        Row{stop_monitoring(kTs, " xmlns='u'"), "unknown field `@xmlns`, expected one of " + kHeaderNames},
        Row{stop_monitoring(kTs, " MonitoringRef='u'"), "unknown field `@MonitoringRef`, expected one of " + kHeaderNames},
        Row{stop_monitoring(kTs, " xmlns:siri='u' xmlns:siri2='u' version='2' a:version='3' versionX='4'"), "OK"},
        Row{stop_monitoring(kTs, " xmlns:sir='u'"), "unknown field `@xmlns:sir`, expected one of " + kHeaderNames},
        Row{stop_monitoring(kTs, " version='&bad;'"), "at 1..4: unrecognized entity `bad`"},
        Row{stop_monitoring(kTs + "<Extra><a b='1' b='2'/></Extra>"),
            "error while parsing attribute: position 8: duplicated attribute, previous declaration at position 2"},
        Row{stop_monitoring(kTs + "<Extra>&bad;</Extra>"), "at 1..4: unrecognized entity `bad`"},
        Row{stop_monitoring(kTs + "<Extra><MonitoringRef/>"),
            "ill-formed document: expected `</Extra>`, but `</StopMonitoringDelivery>` was found"},
        Row{stop_monitoring("<Extra/><MonitoringRef/><MonitoringRef/>"), "duplicate field `MonitoringRef`"},
        Row{in_body(service("NotifyConnectionMonitoring", "<ConnectionMonitoringFeederDelivery><Extra/><MonitoredFeederArrival><RecordedAtTime/><FeederJourney><FramedJourneyRef/></FeederJourney></MonitoredFeederArrival></ConnectionMonitoringFeederDelivery>")),
            "missing field `MonitoredFeederArrivalCancellation`"},
        Row{in_body(service("NotifySituationExchange", "<SituationExchangeDelivery>" + kTs + "</SituationExchangeDelivery>")),
            "missing field `Situations`"}));

class TextForm : public ::testing::TestWithParam<Row> {};

TEST_P(TextForm, Renders) { EXPECT_EQ(outcome(GetParam().doc), GetParam().expected) << GetParam().doc; }

INSTANTIATE_TEST_SUITE_P(
    Documents, TextForm,
    ::testing::Values(
        Row{"<soapenv:Envelope xmlns:soapenv='u'><soapenv:Header><a><b/></a></soapenv:Header><soapenv:Body>" +
                service("siri:NotifyStopMonitoring", "<StopMonitoringDelivery>" + kTs + "</StopMonitoringDelivery>") +
                "</soapenv:Body></soapenv:Envelope>",
            "Envelope { body: Body(StopMonitoring(NotifyStopMonitoring { service_delivery_info: " + kSdiForm +
                ", notification: StopMonitoringNotification { stop_monitoring_delivery: StopMonitoringDelivery { leader: " + kHeader +
                ", monitoring_ref: None, monitored_stop_visit: None, monitored_stop_visit_cancellation: None } } })) }"},
        // the last service element wins
        Row{in_body(service("NotifyStopMonitoring", "<StopMonitoringDelivery>" + kTs + "</StopMonitoringDelivery>") +
                    service("GeneralMessage", "<GeneralMessageDelivery>" + kTs + "</GeneralMessageDelivery>")),
            "Envelope { body: Body(GeneralMessage(NotifyGeneralMessage { service_delivery_info: " + kSdiForm +
                ", notification: GeneralMessageNotification { general_message_delivery: GeneralMessageDelivery { leader: " + kHeader +
                ", info_message: None, info_message_cancellation: None } } })) }"},
        Row{"<Siri><a:soapenv:Body>" +
                service("GetVehicleMonitoringResponse", "<VehicleMonitoringDelivery>" + kTs + "</VehicleMonitoringDelivery>", "Anwser") +
                "</a:soapenv:Body></Siri>",
            "Envelope { body: Body(VehicleMonitoring(NotifyVechicleMonitoring { service_delivery_info: " + kSdiForm +
                ", notification: VehicleMonitoringNotification { vehicle_monitoring_delivery: VehicleMonitoringDelivery { leader: " + kHeader +
                ", vehicle_activity: None, vehicle_activity_cancellation: None } } })) }"},
        Row{in_body(service("NotifyConnectionMonitoring", "")),
            "Envelope { body: Body(ConnectionMonitoring(NotifyConnectionMonitoring { service_delivery_info: " + kSdiForm +
                ", notification: ConnectionMonitoringNotification { connection_monitoring_feeder_delivery: None, "
                "connection_monitoring_distributor_delivery: None } })) }"},
        // the header: later elements replace earlier ones, text only, lenient values
        Row{in_body(service("NotifyConnectionMonitoring",
                            "<ConnectionMonitoringDistributorDelivery><siri:ResponseTimestamp a='1'>A<x/>B</siri:ResponseTimestamp>"
                            "<RequestMessageRef>R1</RequestMessageRef><RequestMessageRef/><SubscriberRef><x>no</x></SubscriberRef>"
                            "<SubscriptionRef> S &amp; T </SubscriptionRef><Status>1</Status><ValidUntil/>"
                            "<ShortestPossibleCycle>+12</ShortestPossibleCycle></ConnectionMonitoringDistributorDelivery>")),
            "Envelope { body: Body(ConnectionMonitoring(NotifyConnectionMonitoring { service_delivery_info: " + kSdiForm +
                ", notification: ConnectionMonitoringNotification { connection_monitoring_feeder_delivery: None, "
                "connection_monitoring_distributor_delivery: Some(ConnectionMonitoringDistributorDelivery { leader: XxxDelivery { "
                "response_timestamp: \"B\", request_message_ref: None, subscriber_ref: None, subscription_ref: Some(\"S & T\"), "
                "status: Some(true), valid_until: None, shortest_possible_cycle: Some(12) }, wait_prolonged_departure: None, "
                "stopping_position_change_departure: None, distributor_departure_cancellation: None }) } })) }"},
        Row{in_body(service("NotifyConnectionMonitoring",
                            "<ConnectionMonitoringDistributorDelivery>" + kTs + "<Status>yes</Status><ShortestPossibleCycle>PT1M</ShortestPossibleCycle>"
                            "</ConnectionMonitoringDistributorDelivery>")),
            "Envelope { body: Body(ConnectionMonitoring(NotifyConnectionMonitoring { service_delivery_info: " + kSdiForm +
                ", notification: ConnectionMonitoringNotification { connection_monitoring_feeder_delivery: None, "
                "connection_monitoring_distributor_delivery: Some(ConnectionMonitoringDistributorDelivery { leader: " + kHeader +
                ", wait_prolonged_departure: None, stopping_position_change_departure: None, distributor_departure_cancellation: None }) } })) }"}));

TEST(TextForm, BodyIsTheEnvelopeWithoutItsFrame) {
    auto env = quaymark::SIRI::from_str(stop_monitoring(kTs));
    std::string e = quaymark::text_form(env);
    std::string b = quaymark::text_form(env.body);
    EXPECT_EQ("Envelope { body: " + b + " }", e);
}

}  // namespace
