#include "sim/simulator.h"

#include "device/uikit/application.h"

namespace sim {

namespace {

device::render::DeviceActivity takeActivity()
{
    auto& application = device::uikit::UIApplication::sharedApplication();
    return {application.takeSounds(), application.takeOpenedURLs()};
}

}  // namespace

Simulator::Simulator(device::settings::Device& device, std::ostream& out, std::ostream& err)
    : m_device(device), m_out(out), m_err(err), m_activity(takeActivity())
{
}

device::render::ScreenDescription Simulator::screen() const
{
    return device::render::describeScreen(device::uikit::UIApplication::sharedApplication().keyWindow(), m_activity);
}

CommandResult Simulator::run(const Command& command, const Arguments& arguments)
{
    CommandResult result = command.run(*this, arguments);
    if (command.time == DeviceTime::OneSecond) {
        m_device.advance(1);
    }
    m_activity = takeActivity();
    return result;
}

void Simulator::reportLoadFailures()
{
    for (const auto& failure : m_device.loadFailures()) {
        m_err << "warning: a library could not be loaded: " << failure << "\n";
    }
}

}  // namespace sim
