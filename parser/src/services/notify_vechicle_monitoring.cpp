#include "services/notify_vechicle_monitoring.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::services {

NotifyVechicleMonitoring read_notify_vechicle_monitoring(xml::Reader& r, const xml::Event& start) { return bind::read_record<NotifyVechicleMonitoring>(r, start); }

void render(std::string& out, const NotifyVechicleMonitoring& v) { bind::render(out, v); }

}  // namespace quaymark::services
