#include "services/notify_facility_monitoring.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::services {

NotifyFacilityMonitoring read_notify_facility_monitoring(xml::Reader& r, const xml::Event& start) { return bind::read_record<NotifyFacilityMonitoring>(r, start); }

void render(std::string& out, const NotifyFacilityMonitoring& v) { bind::render(out, v); }

}  // namespace quaymark::services
