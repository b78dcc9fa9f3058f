#pragma once

#include "sim/serve/server.h"
#include "tests/support/temp_root.h"

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <thread>

namespace testing_support {

// velmora-sim serve with Velmora on a freshly installed phone in a fresh root, on a free port,
// answering from a thread of its own until the test ends; and a client that speaks to it as the
// page does.
class ServedDevice {
public:
    ServedDevice();
    ~ServedDevice();

    const TempRoot& root() const { return m_root; }
    int port() const { return m_server->port(); }
    std::string origin() const { return "http://127.0.0.1:" + std::to_string(port()); }

    httplib::Result get(const std::string& path, const httplib::Headers& headers = {});
    httplib::Result post(const std::string& path, const std::string& body, const httplib::Headers& headers = {},
                         const std::string& contentType = "application/json");
    // The JSON a GET or a POST of JSON answers; null when the answer is not 200.
    nlohmann::json json(const std::string& path);
    nlohmann::json json(const std::string& path, const nlohmann::json& body);
    // Waits until no finger is down and the second after the last action has passed.
    void settle();

private:
    TempRoot m_root;
    std::unique_ptr<sim::serve::Server> m_server;
    std::thread m_serving;
    std::unique_ptr<httplib::Client> m_client;
};

}  // namespace testing_support
