#include "sim/command_line.h"

namespace sim {

std::variant<CommandLine, CommandLineError> readCommandLine(const Statement& statement)
{
    std::string_view text = statement.text;
    std::size_t start = text.find_first_not_of(" \t");
    std::size_t end = text.find_first_of(" \t\r", start);
    std::string_view name = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    std::string_view rest = end == std::string_view::npos ? std::string_view() : text.substr(end);
    const Command* command = findCommand(name);
    if (!command) {
        return CommandLineError{statement.location,
                                "unknown command \"" + std::string(name) + "\" (\"help\" lists the commands)"};
    }
    ParsedArguments parsed = command->parse(rest);
    if (auto* error = std::get_if<ArgumentError>(&parsed)) {
        std::string usage = std::string(command->name) + (command->arguments.empty() ? "" : " ");
        return CommandLineError{statement.location, std::string(command->name) + ": " + error->message
                                                        + " (usage: " + usage + std::string(command->arguments) + ")"};
    }
    return CommandLine{statement.location, command, std::move(std::get<Arguments>(parsed))};
}

}  // namespace sim
