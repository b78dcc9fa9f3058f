#pragma once

#include <optional>
#include <string>

namespace sim::serve {

// What a request says about where it comes from and what it carries.
struct RequestHeaders {
    std::string method;
    std::optional<std::string> host;
    std::optional<std::string> origin;
    std::optional<std::string> contentType;
};

struct Refusal {
    int status = 403;
    std::string message;
};

// Only the page this server served may drive the device: a request naming another host (a page
// that rebinds its own name to the loopback address), one sent by another page (its Origin), and a
// POST that is not JSON (which a plain cross-site form could send without asking) are refused.
std::optional<Refusal> refusal(const RequestHeaders& request, int port);

}  // namespace sim::serve
