#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

namespace sim {

// `velmora-sim serve`: the device in a web page served on the loopback address.
struct ServeOptions {
    static constexpr int kDefaultPort = 8765;
    int port = kDefaultPort;  // 0 picks a free one
};

struct Options {
    std::string device = "phone";
    std::optional<std::filesystem::path> root;
    bool reset = false;
    bool noLibrary = false;
    std::optional<std::string> language;
    std::optional<std::string> commands;
    std::optional<std::string> script;  // a file, or "-" for standard input
    std::optional<ServeOptions> serve;
};

// The options, or the exit status when there is nothing to run: help was asked for (0), or the
// command line was wrong (2, with the reason told on `err`).
std::variant<Options, int> parseOptions(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace sim
