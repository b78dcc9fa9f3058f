#pragma once

#include "device/preferences/list_controller.h"

#include <string>
#include <vector>

namespace monkey {

// The names of the entries the root list holds more than once, told apart by identifier (by name
// when they have none); dividers and group cells are no entries.
std::vector<std::string> entriesShownTwice(device::preferences::PSListController& rootList);

}  // namespace monkey
