#pragma once

#include "sim/statement.h"

#include "device/settings/device.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct SimRun {
    int exit = 0;
    std::string out;
    std::string err;
};

// Runs a script against a booted device, as velmora-sim runs a script file named "test".
SimRun runSim(device::settings::Device& device, std::string_view script,
              sim::Separators separators = sim::Separators::Lines);

// The output's lines, each read as JSON.
std::vector<nlohmann::ordered_json> jsonLines(const std::string& output);

// The labels of a dumped page's rows, top to bottom.
std::vector<std::string> labelsOf(const nlohmann::ordered_json& page);

// The row of a dumped page whose label is exactly label; null when there is none.
nlohmann::ordered_json rowLabelled(const nlohmann::ordered_json& page, const std::string& label);

}  // namespace testing_support
