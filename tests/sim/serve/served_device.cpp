#include "tests/sim/serve/served_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

namespace testing_support {

ServedDevice::ServedDevice()
{
    sim::Options options;
    options.root = m_root.path() / "device";
    options.reset = true;
    options.serve = sim::ServeOptions{0};
    m_server = std::make_unique<sim::serve::Server>(options, std::nullopt);
    std::ostringstream warnings;
    if (auto error = m_server->start(warnings)) {
        ADD_FAILURE() << "serve did not start: " << *error;
        return;
    }
    m_serving = std::thread([this] { m_server->run(); });
    m_client = std::make_unique<httplib::Client>("127.0.0.1", port());
}

ServedDevice::~ServedDevice()
{
    m_server->stop();
    if (m_serving.joinable()) {
        m_serving.join();
    }
}

httplib::Result ServedDevice::get(const std::string& path, const httplib::Headers& headers)
{
    return m_client->Get(path, headers);
}

httplib::Result ServedDevice::post(const std::string& path, const std::string& body, const httplib::Headers& headers,
                                   const std::string& contentType)
{
    return m_client->Post(path, headers, body, contentType);
}

nlohmann::json ServedDevice::json(const std::string& path)
{
    auto reply = get(path);
    return reply && reply->status == 200 ? nlohmann::json::parse(reply->body) : nlohmann::json();
}

nlohmann::json ServedDevice::json(const std::string& path, const nlohmann::json& body)
{
    auto reply = post(path, body.dump());
    return reply && reply->status == 200 ? nlohmann::json::parse(reply->body) : nlohmann::json();
}

void ServedDevice::settle()
{
    for (int tries = 0; tries < 2000 && !json("/state").value("settled", false); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace testing_support
