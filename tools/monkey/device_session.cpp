#include "monkey/device_session.h"

#include "sim/command_line.h"
#include "sim/device_boot.h"

#include <stdexcept>

namespace monkey {

DeviceSession::DeviceSession(const std::string& profile, const std::filesystem::path& root, bool reset)
    : m_profile(profile)
{
    sim::Options options;
    options.device = profile;
    options.root = root;
    options.reset = reset;
    auto booted = sim::bootDevice(options, std::nullopt);
    if (auto* error = std::get_if<std::string>(&booted)) {
        throw std::runtime_error("the " + profile + " does not boot: " + *error);
    }
    m_device = std::move(std::get<std::unique_ptr<device::settings::Device>>(booted));
    if (!m_device->loadFailures().empty()) {
        throw std::runtime_error("Velmora does not load on the " + profile + ": " + m_device->loadFailures().front());
    }
    m_simulator = std::make_unique<sim::Simulator>(*m_device, m_output, m_output);
}

// The simulator refers to the device, so it goes first.
DeviceSession::~DeviceSession()
{
    m_simulator.reset();
    m_device.reset();
}

sim::CommandResult DeviceSession::run(const std::string& line)
{
    auto read = sim::readCommandLine(sim::Statement{sim::Location{"monkey", 1, 0}, line});
    if (auto* error = std::get_if<sim::CommandLineError>(&read)) {
        return sim::CommandResult::error("the monkey wrote a line velmora-sim cannot read: " + error->message);
    }
    const auto& command = std::get<sim::CommandLine>(read);
    m_output.str({});
    return m_simulator->run(*command.command, command.arguments);
}

}  // namespace monkey
