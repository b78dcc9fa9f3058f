#pragma once

#include "sim/command_result.h"
#include "sim/simulator.h"

#include "device/settings/device.h"

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

namespace monkey {

// One booted profile driven through the simulator's own commands, in this process.
class DeviceSession {
public:
    // Boots the profile on the root, erased first when `reset`; throws when the device does not boot
    // or Velmora does not load.
    DeviceSession(const std::string& profile, const std::filesystem::path& root, bool reset);
    ~DeviceSession();

    device::settings::Device& device() { return *m_device; }
    sim::Simulator& simulator() { return *m_simulator; }
    const std::string& profile() const { return m_profile; }

    // Runs one command line as a velmora-sim script would, with its second of device time.
    sim::CommandResult run(const std::string& line);

private:
    std::string m_profile;
    std::unique_ptr<device::settings::Device> m_device;
    // What the commands print: nothing the monkey reads.
    std::ostringstream m_output;
    std::unique_ptr<sim::Simulator> m_simulator;
};

}  // namespace monkey
