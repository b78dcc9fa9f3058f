#pragma once

#include "monkey/options.h"

#include <ostream>

namespace monkey {

// Runs the steps the options ask for; answers the exit status: 0 when every check held, 1 when one
// failed (told on `err` with the seed, the step and the last steps taken).
int runMonkey(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace monkey
