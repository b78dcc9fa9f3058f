#pragma once

#include "sim/simulator.h"

#include <filesystem>
#include <istream>
#include <optional>

namespace sim {

// The prompt for a person at a terminal: line editing, completion of command names, and a history
// kept in `historyFile` when one is given. Prints the screen after each command that may change it.
// Answers 0 at the end of input.
int runPrompt(Simulator& simulator, const std::optional<std::filesystem::path>& historyFile);

// The same session fed from a stream that is not a terminal: no prompt, no line editing.
int runLines(Simulator& simulator, std::istream& in);

}  // namespace sim
