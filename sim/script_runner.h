#pragma once

#include "sim/simulator.h"
#include "sim/statement.h"

#include <string>
#include <string_view>

namespace sim {

struct Script {
    std::string source;  // named in error messages
    std::string text;
    Separators separators = Separators::Lines;
};

// Reads the whole script first, so that a malformed line stops it before anything has run; then runs
// its commands until one fails. Answers the exit status: 0, 1 for a failed expectation, 2 for an error.
// With fileCommandsRefused, a command that names a file is an error for that reason, found while reading.
int runScript(Simulator& simulator, const Script& script, std::string_view fileCommandsRefused = {});

}  // namespace sim
