#include "sim/arguments.h"
#include "sim/statement.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr sim::ArgumentParser kGrammars[] = {
    sim::grammar::nothing,      sim::grammar::text,          sim::grammar::optionalText,
    sim::grammar::optionalWord, sim::grammar::languageCode,  sim::grammar::seconds,
    sim::grammar::points,       sim::grammar::optionalCount, sim::grammar::tapTarget,
    sim::grammar::swipeTarget,  sim::grammar::dragTarget,
};

}  // namespace

// A script as a person or a program writes it: split into commands, and what follows each
// command's name read by every command's grammar.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (auto separators : {sim::Separators::Lines, sim::Separators::LinesAndSemicolons}) {
        for (const auto& statement : sim::splitScript(text, "fuzz", separators)) {
            std::string_view line = statement.text;
            std::size_t name = line.find_first_not_of(" \t");
            std::size_t rest = name == std::string_view::npos ? line.size() : line.find_first_of(" \t\r", name);
            for (auto grammar : kGrammars) {
                grammar(rest == std::string_view::npos ? std::string_view() : line.substr(rest));
            }
        }
    }
    return 0;
}
