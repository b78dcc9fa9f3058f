#pragma once

#include "sim/command_table.h"
#include "sim/statement.h"

#include <string>
#include <variant>

namespace sim {

// A statement read through its command's grammar, ready to run.
struct CommandLine {
    Location location;
    const Command* command = nullptr;
    Arguments arguments;
};

struct CommandLineError {
    Location location;
    std::string message;
};

std::variant<CommandLine, CommandLineError> readCommandLine(const Statement& statement);

}  // namespace sim
