#pragma once

#include "tests/support/temp_root.h"

#include <string>
#include <vector>

namespace testing_support {

struct ProgramRun {
    int exit = -1;
    std::string out;
    std::string err;
};

// The text as one word of the shell, in single quotes.
std::string shellQuoted(const std::string& text);
std::string contentsOf(const std::filesystem::path& file);

// Runs a program of the build with its standard input, output and error in files of `folder`;
// `environment` goes before it on the shell's command line ("HOME=/x").
ProgramRun runProgram(const std::string& program, const TempRoot& folder, const std::vector<std::string>& arguments,
                      const std::string& input = "", const std::string& environment = "");

}  // namespace testing_support
