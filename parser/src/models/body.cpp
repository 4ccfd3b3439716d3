#include "models/body.hpp"

#include <array>
#include <optional>

#include "bind/leftovers.hpp"
#include "bind/messages.hpp"

namespace quaymark::models {

using namespace std::string_view_literals;
namespace {

constexpr std::array<std::string_view, 9> kServiceNames{
    "NotifyProductionTimetable", "NotifyEstimatedTimetable", "NotifyStopMonitoring",
    "GetVehicleMonitoringResponse", "NotifyConnectionMonitoring", "GeneralMessage",
    "NotifyGeneralMessage", "NotifyFacilityMonitoring", "NotifySituationExchange",
};

[[noreturn]] void reject(std::string_view key) { fail(bind::unknown_field(key, kServiceNames)); }

SiriServiceType read_service(std::size_t row, xml::Reader& r, const xml::Event& start) {
    using namespace services;
    switch (row) {
        case 0: return read_notify_production_timetable(r, start);
        case 1: return read_notify_estimated_timetable(r, start);
        case 2: return read_notify_stop_monitoring(r, start);
        case 3: return read_notify_vechicle_monitoring(r, start);
        case 4: return read_notify_connection_monitoring(r, start);
        case 5:
        case 6: return read_notify_general_message(r, start);
        case 7: return read_notify_facility_monitoring(r, start);
        default: return read_notify_situation_exchange(r, start);
    }
}

}  // namespace

Body read_body(xml::Reader& r, const xml::Event& start) {
    xml::Reader::for_each_attribute(start, [](const xml::Attribute& a) { reject(bind::attribute_key(a.name)); });
    std::optional<SiriServiceType> payload;
    for (;;) {
        const xml::Event& ev = r.peek();
        switch (ev.kind) {
            case xml::EventKind::End:
                r.next();
                if (!payload) fail("Missing service type");
                return Body{std::move(*payload)};
            case xml::EventKind::Text:
                reject("$text");
            case xml::EventKind::Start: {
                std::string_view key = ev.local;
                std::size_t row = 0;
                while (row < kServiceNames.size() && kServiceNames[row] != key) ++row;
                if (row == kServiceNames.size()) reject(key);
                xml::Event service = r.next();
                payload.reset();
                payload.emplace(read_service(row, r, service));
                break;
            }
            case xml::EventKind::Eof:
                bind::fail_not_closed(start.name);
        }
    }
}

void render_body(std::string& out, const Body& body) {
    out += "Body("sv;
    out += kServiceVariantNames[body.service_type.index()];
    out += '(';
    std::visit([&](const auto& service) { services::render(out, service); }, body.service_type);
    out += "))"sv;
}

}  // namespace quaymark::models
