#pragma once

#include "sim/options.h"

#include "device/settings/device.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace sim {

// The simulator's folder under the user's data directory ($XDG_DATA_HOME, else ~/.local/share);
// none when neither is known.
std::optional<std::filesystem::path> dataDirectory(const char* xdgDataHome, const char* home);

// The booted device the options describe, or why there is none. `dataFolder` holds the default
// device roots.
std::variant<std::unique_ptr<device::settings::Device>, std::string>
bootDevice(const Options& options, const std::optional<std::filesystem::path>& dataFolder);

}  // namespace sim
