#pragma once

#include "device/preferences/list_controller.h"

#include <string>
#include <vector>

namespace monkey {

// The entries the root list holds more than once, by identifier (by name when it has none);
// dividers and group cells are no entries.
std::vector<std::string> entriesShownTwice(device::preferences::PSListController& rootList);

}  // namespace monkey
