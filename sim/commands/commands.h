#pragma once

#include "sim/arguments.h"
#include "sim/command_result.h"

namespace sim {
class Simulator;
}

// The handlers of the command table.
namespace sim::commands {

CommandResult show(Simulator& simulator, const Arguments& arguments);
CommandResult dump(Simulator& simulator, const Arguments& arguments);
CommandResult specifiers(Simulator& simulator, const Arguments& arguments);
CommandResult prefs(Simulator& simulator, const Arguments& arguments);
CommandResult relaunch(Simulator& simulator, const Arguments& arguments);
CommandResult language(Simulator& simulator, const Arguments& arguments);
CommandResult wait(Simulator& simulator, const Arguments& arguments);
CommandResult expect(Simulator& simulator, const Arguments& arguments);
CommandResult expectNot(Simulator& simulator, const Arguments& arguments);
CommandResult echo(Simulator& simulator, const Arguments& arguments);
CommandResult help(Simulator& simulator, const Arguments& arguments);
CommandResult tap(Simulator& simulator, const Arguments& arguments);
CommandResult toggle(Simulator& simulator, const Arguments& arguments);
CommandResult swipe(Simulator& simulator, const Arguments& arguments);
CommandResult dragRow(Simulator& simulator, const Arguments& arguments);
CommandResult deleteRow(Simulator& simulator, const Arguments& arguments);
CommandResult pull(Simulator& simulator, const Arguments& arguments);
CommandResult scroll(Simulator& simulator, const Arguments& arguments);
CommandResult type(Simulator& simulator, const Arguments& arguments);
CommandResult erase(Simulator& simulator, const Arguments& arguments);
CommandResult back(Simulator& simulator, const Arguments& arguments);
CommandResult screenshot(Simulator& simulator, const Arguments& arguments);

}  // namespace sim::commands
