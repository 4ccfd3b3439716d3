// Body: the record beneath the envelope, holding the one service the document carries.
#pragma once

#include <string>
#include <string_view>
#include <tuple>
#include <variant>

#include "bind/describe.hpp"
#include "services/notify_connection_monitoring.hpp"
#include "services/notify_estimated_timetable.hpp"
#include "services/notify_facility_monitoring.hpp"
#include "services/notify_general_message.hpp"
#include "services/notify_production_timetable.hpp"
#include "services/notify_situation_exchange.hpp"
#include "services/notify_stop_monitoring.hpp"
#include "services/notify_vechicle_monitoring.hpp"
#include "xml/reader.hpp"

namespace quaymark::models {

// The eight service payloads, in this order; the variant names are the text form's.
using SiriServiceType =
    std::variant<services::NotifyProductionTimetable, services::NotifyEstimatedTimetable,
                 services::NotifyStopMonitoring, services::NotifyVechicleMonitoring,
                 services::NotifyConnectionMonitoring, services::NotifyGeneralMessage,
                 services::NotifyFacilityMonitoring, services::NotifySituationExchange>;

inline constexpr std::string_view kServiceVariantNames[] = {
    "ProductionTimetable",  "EstimatedTimetable", "StopMonitoring",     "VehicleMonitoring",
    "ConnectionMonitoring", "GeneralMessage",     "FacilityMonitoring", "SituationExchange",
};

struct Body {
    SiriServiceType service_type;
};

// The service dispatcher: the Body's attributes, text and children are keys; a service element
// is read by its service record's reader (the last one wins); any other key is rejected.
Body read_body(xml::Reader& r, const xml::Event& start);
// Body(Variant(record)).
void render_body(std::string& out, const Body& body);

}  // namespace quaymark::models

template <>
struct quaymark::bind::Describe<quaymark::models::Body> {
    static constexpr std::string_view name = "Body";
    static constexpr std::tuple<> fields{};
    static models::Body read(xml::Reader& r, const xml::Event& start) { return models::read_body(r, start); }
    static void render(std::string& out, const models::Body& b) { models::render_body(out, b); }
};
