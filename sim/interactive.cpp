#include "sim/interactive.h"

#include "sim/command_line.h"
#include "sim/commands/commands.h"

#include <readline/history.h>
#include <readline/readline.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace sim {

namespace {

constexpr int kHistoryLength = 1000;

class Session {
public:
    explicit Session(Simulator& simulator) : m_simulator(simulator) {}

    void start()
    {
        commands::show(m_simulator, {});
        m_simulator.out() << "Type \"help\" for the commands; end of input leaves.\n";
    }

    void handle(const std::string& line)
    {
        ++m_lineNumber;
        for (auto statement : splitScript(line, "input", Separators::Lines)) {
            statement.location.line = m_lineNumber;
            auto read = readCommandLine(statement);
            if (auto* error = std::get_if<CommandLineError>(&read)) {
                m_simulator.err() << error->location.describe() << ": " << error->message << "\n";
                continue;
            }
            const auto& commandLine = std::get<CommandLine>(read);
            CommandResult result = m_simulator.run(*commandLine.command, commandLine.arguments);
            if (result.status != Status::Ok) {
                m_simulator.err() << commandLine.location.describe() << ": " << commandLine.command->name << ": "
                                  << result.message << "\n";
            } else if (commandLine.command->screenAfter == ScreenAfter::Print) {
                commands::show(m_simulator, {});
            }
        }
    }

private:
    Simulator& m_simulator;
    int m_lineNumber = 0;
};

char* nextCommandName(const char* prefix, int state)
{
    static std::size_t next = 0;
    if (state == 0) {
        next = 0;
    }
    auto table = commandTable();
    while (next < table.size()) {
        std::string_view name = table[next++].name;
        if (name.starts_with(prefix)) {
            return ::strdup(std::string(name).c_str());
        }
    }
    return nullptr;
}

char** completeCommandName(const char* text, int start, int)
{
    ::rl_attempted_completion_over = 1;
    return start == 0 ? ::rl_completion_matches(text, nextCommandName) : nullptr;
}

}  // namespace

int runPrompt(Simulator& simulator, const std::optional<std::filesystem::path>& historyFile)
{
    Session session(simulator);
    ::rl_attempted_completion_function = completeCommandName;
    if (historyFile) {
        ::read_history(historyFile->c_str());
    }
    session.start();
    while (char* input = ::readline("velmora> ")) {
        std::string line(input);
        std::free(input);
        if (line.find_first_not_of(" \t") != std::string::npos) {
            ::add_history(line.c_str());
        }
        session.handle(line);
        simulator.out().flush();
    }
    simulator.out() << "\n";
    if (historyFile) {
        std::error_code ignored;
        std::filesystem::create_directories(historyFile->parent_path(), ignored);
        if (::write_history(historyFile->c_str()) == 0) {
            ::history_truncate_file(historyFile->c_str(), kHistoryLength);
        }
    }
    return static_cast<int>(Status::Ok);
}

int runLines(Simulator& simulator, std::istream& in)
{
    Session session(simulator);
    session.start();
    std::string line;
    while (std::getline(in, line)) {
        session.handle(line);
    }
    return static_cast<int>(Status::Ok);
}

}  // namespace sim
