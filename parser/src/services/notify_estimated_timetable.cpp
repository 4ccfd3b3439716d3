#include "services/notify_estimated_timetable.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::services {

NotifyEstimatedTimetable read_notify_estimated_timetable(xml::Reader& r, const xml::Event& start) { return bind::read_record<NotifyEstimatedTimetable>(r, start); }

void render(std::string& out, const NotifyEstimatedTimetable& v) { bind::render(out, v); }

}  // namespace quaymark::services
