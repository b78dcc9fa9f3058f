#include "tests/sim/sim_run.h"

#include "sim/script_runner.h"
#include "sim/simulator.h"

#include <sstream>

namespace testing_support {

SimRun runSim(device::settings::Device& device, std::string_view script, sim::Separators separators)
{
    std::ostringstream out;
    std::ostringstream err;
    sim::Simulator simulator(device, out, err);
    SimRun run;
    run.exit = sim::runScript(simulator, {"test", std::string(script), separators});
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<nlohmann::ordered_json> jsonLines(const std::string& output)
{
    std::vector<nlohmann::ordered_json> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(nlohmann::ordered_json::parse(line));
    }
    return lines;
}

std::vector<std::string> labelsOf(const nlohmann::ordered_json& page)
{
    std::vector<std::string> labels;
    for (const auto& section : page["sections"]) {
        for (const auto& row : section["rows"]) {
            labels.push_back(row["label"]);
        }
    }
    return labels;
}

nlohmann::ordered_json rowLabelled(const nlohmann::ordered_json& page, const std::string& label)
{
    for (const auto& section : page["sections"]) {
        for (const auto& row : section["rows"]) {
            if (row["label"] == label) {
                return row;
            }
        }
    }
    return nullptr;
}

}  // namespace testing_support
