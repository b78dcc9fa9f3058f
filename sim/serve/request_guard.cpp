#include "sim/serve/request_guard.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace sim::serve {

namespace {

constexpr std::array kHostNames{"127.0.0.1", "localhost"};

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isOwnHost(const std::string& host, int port)
{
    std::string wanted = lowered(host);
    return std::any_of(kHostNames.begin(), kHostNames.end(), [&](const char* name) {
        return wanted == std::string(name) + ":" + std::to_string(port);
    });
}

}  // namespace

std::optional<Refusal> refusal(const RequestHeaders& request, int port)
{
    if (!request.host || !isOwnHost(*request.host, port)) {
        return Refusal{403, "this server answers only requests for 127.0.0.1:" + std::to_string(port)};
    }
    if (request.origin) {
        std::string origin = lowered(*request.origin);
        if (!origin.starts_with("http://") || !isOwnHost(origin.substr(7), port)) {
            return Refusal{403, "requests from another page are refused"};
        }
    }
    if (request.method == "POST") {
        std::string type = lowered(request.contentType.value_or(""));
        if (type != "application/json" && !type.starts_with("application/json;")) {
            return Refusal{415, "a POST carries JSON, with the content type application/json"};
        }
    } else if (request.method != "GET" && request.method != "HEAD") {
        return Refusal{405, "this server answers GET and POST only"};
    }
    return std::nullopt;
}

}  // namespace sim::serve
