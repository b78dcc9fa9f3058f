#include "sim/script_runner.h"

#include "sim/command_line.h"

namespace sim {

int runScript(Simulator& simulator, const Script& script, std::string_view fileCommandsRefused)
{
    std::vector<CommandLine> lines;
    for (const auto& statement : splitScript(script.text, script.source, script.separators)) {
        auto read = readCommandLine(statement);
        if (auto* error = std::get_if<CommandLineError>(&read)) {
            simulator.err() << error->location.describe() << ": " << error->message << "\n";
            return static_cast<int>(Status::Error);
        }
        auto& line = std::get<CommandLine>(read);
        if (!fileCommandsRefused.empty() && line.command->file == FileArgument::Named) {
            simulator.err() << line.location.describe() << ": " << line.command->name << ": "
                            << fileCommandsRefused << "\n";
            return static_cast<int>(Status::Error);
        }
        lines.push_back(std::move(line));
    }
    for (const auto& line : lines) {
        CommandResult result = simulator.run(*line.command, line.arguments);
        if (result.status != Status::Ok) {
            simulator.err() << line.location.describe() << ": " << line.command->name << ": " << result.message << "\n";
            return static_cast<int>(result.status);
        }
    }
    return static_cast<int>(Status::Ok);
}

}  // namespace sim
