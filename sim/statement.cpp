#include "sim/statement.h"

namespace sim {

namespace {

bool isCommand(std::string_view text)
{
    std::size_t first = text.find_first_not_of(" \t\r");
    return first != std::string_view::npos && text[first] != '#';
}

std::vector<std::string_view> splitAtSemicolons(std::string_view line)
{
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (quoted && line[i] == '\\') {
            ++i;
        } else if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ';' && !quoted) {
            parts.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(line.substr(start));
    return parts;
}

}  // namespace

std::string Location::describe() const
{
    std::string text = source + ", line " + std::to_string(line);
    if (command > 0) {
        text += ", command " + std::to_string(command);
    }
    return text;
}

std::vector<Statement> splitScript(std::string_view text, const std::string& source, Separators separators)
{
    std::vector<Statement> statements;
    // Some editors start a text file with a byte-order mark.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view line
            = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNumber;
        std::vector<std::string_view> parts{line};
        if (separators == Separators::LinesAndSemicolons && isCommand(line)) {
            parts = splitAtSemicolons(line);
        }
        std::vector<std::string_view> commands;
        for (auto part : parts) {
            if (isCommand(part)) {
                commands.push_back(part);
            }
        }
        for (std::size_t i = 0; i < commands.size(); ++i) {
            Location location{source, lineNumber, commands.size() > 1 ? static_cast<int>(i) + 1 : 0};
            statements.push_back({std::move(location), std::string(commands[i])});
        }
    }
    return statements;
}

}  // namespace sim
