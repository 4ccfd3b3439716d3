#include "services/notify_production_timetable.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::services {

NotifyProductionTimetable read_notify_production_timetable(xml::Reader& r, const xml::Event& start) { return bind::read_record<NotifyProductionTimetable>(r, start); }

void render(std::string& out, const NotifyProductionTimetable& v) { bind::render(out, v); }

}  // namespace quaymark::services
