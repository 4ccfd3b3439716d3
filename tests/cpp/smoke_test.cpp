#include <gtest/gtest.h>
#include "siri.hpp"
TEST(Smoke, Frame) {
  auto env = quaymark::SIRI::from_str("<Siri><Body><NotifyStopMonitoring><ServiceDeliveryInfo><ResponseTimestamp>2024-01-01T10:00:00Z</ResponseTimestamp><ProducerRef>OP</ProducerRef></ServiceDeliveryInfo><Notification><StopMonitoringDelivery><ResponseTimestamp>2024-01-01T10:00:00Z</ResponseTimestamp></StopMonitoringDelivery></Notification></NotifyStopMonitoring></Body></Siri>");
  EXPECT_EQ(quaymark::text_form(env), "Envelope { body: Body(StopMonitoring(NotifyStopMonitoring { service_delivery_info: ServiceDeliveryInfo { response_timestamp: Some(\"2024-01-01T10:00:00Z\"), producer_ref: \"OP\", request_message_identifier: None, response_message_ref: None }, notification: StopMonitoringNotification { stop_monitoring_delivery: StopMonitoringDelivery { leader: XxxDelivery { response_timestamp: \"2024-01-01T10:00:00Z\", request_message_ref: None, subscriber_ref: None, subscription_ref: None, status: None, valid_until: None, shortest_possible_cycle: None }, monitoring_ref: None, monitored_stop_visit: None, monitored_stop_visit_cancellation: None } } })) }");
}
