#include "sim/device_boot.h"
#include "sim/interactive.h"
#include "sim/options.h"
#include "sim/script_runner.h"
#include "sim/serve/server.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

constexpr int kUsageError = 2;

std::optional<std::string> readAll(std::istream& in)
{
    std::ostringstream text;
    text << in.rdbuf();
    return in.bad() ? std::nullopt : std::optional<std::string>(text.str());
}

// The script is read before the device boots, so that a wrong path changes nothing on the device.
std::optional<sim::Script> loadScript(const sim::Options& options)
{
    if (options.commands) {
        return sim::Script{"-c", *options.commands, sim::Separators::LinesAndSemicolons};
    }
    if (*options.script == "-") {
        auto text = readAll(std::cin);
        return text ? std::optional<sim::Script>(sim::Script{"stdin", *text}) : std::nullopt;
    }
    std::ifstream file(*options.script, std::ios::binary);
    auto text = file ? readAll(file) : std::nullopt;
    return text ? std::optional<sim::Script>(sim::Script{*options.script, *text}) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    auto parsed = sim::parseOptions(argc, argv, std::cout, std::cerr);
    if (auto* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const auto& options = std::get<sim::Options>(parsed);
    if (options.serve) {
        return sim::serve::serve(options, sim::dataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
                                 std::cout, std::cerr);
    }

    std::optional<sim::Script> script;
    if (options.commands || options.script) {
        errno = 0;
        script = loadScript(options);
        if (!script) {
            std::cerr << "velmora-sim: cannot read the script " << *options.script
                      << (errno ? std::string(": ") + std::strerror(errno) : std::string()) << "\n";
            return kUsageError;
        }
    }

    auto dataFolder = sim::dataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    auto booted = sim::bootDevice(options, dataFolder);
    if (auto* error = std::get_if<std::string>(&booted)) {
        std::cerr << "velmora-sim: " << *error << "\n";
        return kUsageError;
    }
    auto& device = *std::get<std::unique_ptr<device::settings::Device>>(booted);
    sim::Simulator simulator(device, std::cout, std::cerr);
    simulator.reportLoadFailures();

    if (script) {
        return sim::runScript(simulator, *script);
    }
    if (::isatty(STDIN_FILENO)) {
        return sim::runPrompt(simulator, dataFolder ? std::optional(*dataFolder / "history") : std::nullopt);
    }
    return sim::runLines(simulator, std::cin);
}
