#pragma once

#include "sim/options.h"
#include "sim/serve/device_thread.h"
#include "sim/serve/frame_store.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace httplib {
class Server;
}

namespace sim::serve {

// The device behind an HTTP server on the loopback address.
class Server {
public:
    Server(Options options, std::optional<std::filesystem::path> dataFolder);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Takes the port, then boots the device; answers why either failed. Warnings of the boot go to `err`.
    std::optional<std::string> start(std::ostream& err);
    int port() const { return m_port; }
    std::string url() const;

    // Answers requests until stop().
    void run();
    // From any thread.
    void stop();

private:
    Options m_options;
    std::optional<std::filesystem::path> m_dataFolder;
    int m_port = 0;
    FrameStore m_frames;
    std::unique_ptr<DeviceThread> m_device;
    std::unique_ptr<httplib::Server> m_http;
};

// `velmora-sim serve`: serves until interrupted; answers the exit status.
int serve(const Options& options, const std::optional<std::filesystem::path>& dataFolder, std::ostream& out,
          std::ostream& err);

}  // namespace sim::serve
