#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sim {

// Where a command was written.
struct Location {
    std::string source;  // a file name, "-c", "stdin" or "input"
    int line = 0;
    int command = 0;  // its place on a line that holds several, else 0

    // As error messages name it: "demo.sim, line 3" or "-c, line 1, command 2".
    std::string describe() const;
};

// One command as written, with where it was written.
struct Statement {
    Location location;
    std::string text;
};

enum class Separators { Lines, LinesAndSemicolons };

// The commands of a script, without blank lines and comment lines (first character "#"). With
// semicolons as separators, a semicolon inside double quotes is part of the text.
std::vector<Statement> splitScript(std::string_view text, const std::string& source, Separators separators);

}  // namespace sim
