#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace monkey {

struct Options {
    std::uint64_t seed = 0;
    long steps = 0;
    // The profiles the run moves between, in the order it boots them.
    std::vector<std::string> devices{"phone"};
    // Where the device roots and the watched folders go; none: a fresh temporary folder.
    std::optional<std::filesystem::path> folder;
    bool verbose = false;
};

// The options, or the exit status when there is nothing to run: help was asked for (0), or the
// command line was wrong (2, with the reason told on `err`).
std::variant<Options, int> parseOptions(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace monkey
