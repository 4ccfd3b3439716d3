#include "services/notify_connection_monitoring.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::services {

NotifyConnectionMonitoring read_notify_connection_monitoring(xml::Reader& r, const xml::Event& start) { return bind::read_record<NotifyConnectionMonitoring>(r, start); }

void render(std::string& out, const NotifyConnectionMonitoring& v) { bind::render(out, v); }

}  // namespace quaymark::services
