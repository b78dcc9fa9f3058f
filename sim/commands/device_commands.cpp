#include "sim/commands/commands.h"
#include "sim/simulator.h"

namespace sim::commands {

CommandResult relaunch(Simulator& simulator, const Arguments&)
{
    simulator.device().relaunch();
    simulator.reportLoadFailures();
    return CommandResult::ok();
}

CommandResult language(Simulator& simulator, const Arguments& arguments)
{
    if (!simulator.device().setLanguage(*arguments.text)) {
        return CommandResult::error("cannot write the system's preferred languages under "
                                    + simulator.device().root().string());
    }
    simulator.reportLoadFailures();
    return CommandResult::ok();
}

CommandResult wait(Simulator& simulator, const Arguments& arguments)
{
    simulator.device().advance(*arguments.number);
    return CommandResult::ok();
}

}  // namespace sim::commands
