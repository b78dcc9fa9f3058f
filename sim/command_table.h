#pragma once

#include "sim/arguments.h"
#include "sim/command_result.h"

#include <span>
#include <string_view>

namespace sim {

class Simulator;

// Whether a second of device time passes after the command.
enum class DeviceTime { OneSecond, OwnWait };
// Whether the interactive prompt prints the screen after the command.
enum class ScreenAfter { Print, Skip };
// Whether the command reads or writes a file its line names; the web console runs none of those.
enum class FileArgument { None, Named };

using CommandHandler = CommandResult (*)(Simulator& simulator, const Arguments& arguments);

struct Command {
    std::string_view name;
    std::string_view arguments;  // as help shows them
    std::string_view help;
    ArgumentParser parse;
    CommandHandler run;
    DeviceTime time = DeviceTime::OneSecond;
    ScreenAfter screenAfter = ScreenAfter::Skip;
    FileArgument file = FileArgument::None;
};

std::span<const Command> commandTable();
const Command* findCommand(std::string_view name);

}  // namespace sim
