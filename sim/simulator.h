#pragma once

#include "sim/command_table.h"

#include "device/render/screen_description.h"
#include "device/settings/device.h"

#include <ostream>

namespace sim {

// A booted device as commands see it: its screen, its clock, and where their output goes.
class Simulator {
public:
    Simulator(device::settings::Device& device, std::ostream& out, std::ostream& err);

    device::settings::Device& device() { return m_device; }
    std::ostream& out() { return m_out; }
    std::ostream& err() { return m_err; }

    // What the screen shows now, with the sounds and opened URLs of the last command.
    device::render::ScreenDescription screen() const;

    // Runs a command, then lets its second of device time pass.
    CommandResult run(const Command& command, const Arguments& arguments);

    // Warns about the libraries that the last launch could not load.
    void reportLoadFailures();

private:
    device::settings::Device& m_device;
    std::ostream& m_out;
    std::ostream& m_err;
    device::render::DeviceActivity m_activity;
};

}  // namespace sim
