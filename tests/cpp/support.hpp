// Helpers shared by the C++ tests: parse a document into its text form or its message.
#pragma once

#include <string>
#include <string_view>

#include "siri.hpp"

namespace quaymark::testing {

// The text form of the parsed document, or "ERROR: " and the parse error's message.
inline std::string outcome(std::string_view document) {
    try {
        return text_form(SIRI::from_str(document));
    } catch (const ParseError& e) {
        return "ERROR: " + e.message();
    }
}

// The message of the parse error, or "OK" when the document parses.
inline std::string message(std::string_view document) {
    try {
        SIRI::from_str(document);
        return "OK";
    } catch (const ParseError& e) {
        return e.message();
    }
}

// A document whose Body holds `service`.
inline std::string in_body(std::string_view service) {
    return "<Siri><Body>" + std::string(service) + "</Body></Siri>";
}

// A stop-monitoring document whose delivery element holds `delivery_content`.
inline std::string stop_monitoring(std::string_view delivery_content,
                                   std::string_view delivery_attributes = "") {
    return in_body(
        "<NotifyStopMonitoring><ServiceDeliveryInfo><ProducerRef>OP</ProducerRef></ServiceDeliveryInfo>"
        "<Notification><StopMonitoringDelivery" +
        std::string(delivery_attributes) + ">" + std::string(delivery_content) +
        "</StopMonitoringDelivery></Notification></NotifyStopMonitoring>");
}

}  // namespace quaymark::testing
