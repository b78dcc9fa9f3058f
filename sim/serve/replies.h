#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace httplib {
struct Response;
}

namespace sim::serve {

void replyJson(httplib::Response& response, const nlohmann::ordered_json& body, int status = 200);
// {"error": message}
void replyError(httplib::Response& response, int status, const std::string& message);

}  // namespace sim::serve
