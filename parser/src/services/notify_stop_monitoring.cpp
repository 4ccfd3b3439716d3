#include "services/notify_stop_monitoring.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::services {

NotifyStopMonitoring read_notify_stop_monitoring(xml::Reader& r, const xml::Event& start) { return bind::read_record<NotifyStopMonitoring>(r, start); }

void render(std::string& out, const NotifyStopMonitoring& v) { bind::render(out, v); }

}  // namespace quaymark::services
