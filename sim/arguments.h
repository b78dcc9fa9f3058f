#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace sim {

enum class SwipeDirection { Left, Right };

struct ScreenPoint {
    double x = 0;
    double y = 0;
};

// What a command line says after the command's name, as the command's grammar reads it.
struct Arguments {
    std::optional<std::string> text;  // TEXT, NAME, CODE or FILE
    std::optional<std::string> target;  // drag's TEXT2
    std::optional<double> number;  // SECONDS, POINTS or N
    std::optional<ScreenPoint> point;  // tap X Y
    long occurrence = 1;  // tap TEXT #N
    std::optional<SwipeDirection> direction;
};

struct ArgumentError {
    std::string message;
};

// The arguments, or what is wrong with them.
using ParsedArguments = std::variant<Arguments, ArgumentError>;
using ArgumentParser = ParsedArguments (*)(std::string_view rest);

// The grammars of the commands. TEXT runs to the end of the line and may be put in double quotes
// (inside them, \" stands for a quote and \\ for a backslash).
namespace grammar {
ParsedArguments nothing(std::string_view rest);
ParsedArguments text(std::string_view rest);
ParsedArguments optionalText(std::string_view rest);
ParsedArguments optionalWord(std::string_view rest);
ParsedArguments languageCode(std::string_view rest);
ParsedArguments seconds(std::string_view rest);
ParsedArguments points(std::string_view rest);
ParsedArguments optionalCount(std::string_view rest);
ParsedArguments tapTarget(std::string_view rest);
ParsedArguments swipeTarget(std::string_view rest);
ParsedArguments dragTarget(std::string_view rest);
}  // namespace grammar

}  // namespace sim
