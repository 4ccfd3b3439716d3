#include "services/notify_situation_exchange.hpp"

#include "bind/read.hpp"
#include "bind/render.hpp"

namespace quaymark::services {

NotifySituationExchange read_notify_situation_exchange(xml::Reader& r, const xml::Event& start) { return bind::read_record<NotifySituationExchange>(r, start); }

void render(std::string& out, const NotifySituationExchange& v) { bind::render(out, v); }

}  // namespace quaymark::services
