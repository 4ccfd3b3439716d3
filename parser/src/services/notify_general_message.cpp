#include "services/notify_general_message.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::services {

NotifyGeneralMessage read_notify_general_message(xml::Reader& r, const xml::Event& start) { return bind::read_record<NotifyGeneralMessage>(r, start); }

void render(std::string& out, const NotifyGeneralMessage& v) { bind::render(out, v); }

}  // namespace quaymark::services
