// Helpers shared by the C++ tests: parse a document into its text form or its message.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "bind/read.hpp"
#include "bind/render.hpp"
#include "siri.hpp"
#include "xml/reader.hpp"

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

// Reads the document's root element as a T, as a holder's field reads it: its text form, or
// "error: " and the message.
template <class T>
std::string read_as(std::string_view doc) {
    try {
        xml::Reader r = xml::Reader::document(doc);
        xml::Event start = r.next();
        return bind::text_form(bind::read_element<T>(r, start));
    } catch (const ParseError& e) {
        return "error: " + e.message();
    }
}

// Reads one value of type T from the element that makes up `element`: its text form, or the
// message alone.
template <class T>
std::string value_or_message(std::string_view element) {
    try {
        auto r = xml::Reader::document(element);
        return bind::text_form(bind::read_child<T>(r));
    } catch (const ParseError& e) {
        return e.message();
    }
}

// A file's whole content; empty when it cannot be read.
inline std::string file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace quaymark::testing
