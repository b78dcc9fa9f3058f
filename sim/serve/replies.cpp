#include "sim/serve/replies.h"

#include <httplib.h>

namespace sim::serve {

void replyJson(httplib::Response& response, const nlohmann::ordered_json& body, int status)
{
    response.status = status;
    response.set_content(body.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace),
                         "application/json");
}

void replyError(httplib::Response& response, int status, const std::string& message)
{
    replyJson(response, {{"error", message}}, status);
}

}  // namespace sim::serve
