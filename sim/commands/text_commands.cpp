#include "sim/commands/commands.h"
#include "sim/simulator.h"

#include <algorithm>
#include <iomanip>

namespace sim::commands {

namespace {

void describe(std::ostream& out, const Command& command, std::size_t width)
{
    std::string usage
        = std::string(command.name) + (command.arguments.empty() ? "" : " ") + std::string(command.arguments);
    out << "  " << std::left << std::setw(static_cast<int>(width)) << usage << "  " << command.help << "\n";
}

}  // namespace

CommandResult echo(Simulator& simulator, const Arguments& arguments)
{
    simulator.out() << arguments.text.value_or("") << "\n";
    return CommandResult::ok();
}

CommandResult help(Simulator& simulator, const Arguments& arguments)
{
    std::size_t width = 0;
    for (const Command& command : commandTable()) {
        width = std::max(width, command.name.size() + 1 + command.arguments.size());
    }
    if (arguments.text) {
        const Command* command = findCommand(*arguments.text);
        if (!command) {
            return CommandResult::error("there is no command \"" + *arguments.text + "\"");
        }
        describe(simulator.out(), *command, width);
        return CommandResult::ok();
    }
    simulator.out() << "Commands (TEXT runs to the end of the line and may be put in double quotes):\n";
    for (const Command& command : commandTable()) {
        describe(simulator.out(), command, width);
    }
    simulator.out() << "After each command but wait, one second of device time passes. Lines starting with # are "
                       "comments.\n";
    return CommandResult::ok();
}

}  // namespace sim::commands
