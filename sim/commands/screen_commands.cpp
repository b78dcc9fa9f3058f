#include "sim/commands/commands.h"
#include "sim/simulator.h"

#include "device/render/screen_json.h"
#include "device/render/screen_text.h"

namespace sim::commands {

namespace {

CommandResult expectation(Simulator& simulator, const std::string& text, bool shown)
{
    device::render::ScreenText screen(simulator.screen());
    if (screen.contains(text) == shown) {
        return CommandResult::ok();
    }
    return CommandResult::expectationFailed("the screen " + std::string(shown ? "does not show" : "shows") + " \""
                                            + text + "\". The screen:\n" + screen.str());
}

}  // namespace

CommandResult show(Simulator& simulator, const Arguments&)
{
    simulator.out() << device::render::ScreenText(simulator.screen()).str();
    return CommandResult::ok();
}

CommandResult dump(Simulator& simulator, const Arguments&)
{
    simulator.out() << device::render::screenToJson(simulator.screen())
                           .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                    << "\n";
    return CommandResult::ok();
}

CommandResult expect(Simulator& simulator, const Arguments& arguments)
{
    return expectation(simulator, *arguments.text, true);
}

CommandResult expectNot(Simulator& simulator, const Arguments& arguments)
{
    return expectation(simulator, *arguments.text, false);
}

}  // namespace sim::commands
