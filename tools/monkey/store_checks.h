#pragma once

#include <string>
#include <vector>

namespace monkey {

// What is wrong with the preferences folder of the device booted now, one line a fault: a file
// that does not read as a property list, a temporary file left behind by a finished write, tag
// numbers that are not 1, 2, ... without a gap.
std::vector<std::string> checkStores();

}  // namespace monkey
