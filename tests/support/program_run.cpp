#include "tests/support/program_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace testing_support {

std::string shellQuoted(const std::string& text)
{
    std::string result = "'";
    for (char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

std::string contentsOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ProgramRun runProgram(const std::string& program, const TempRoot& folder, const std::vector<std::string>& arguments,
                      const std::string& input, const std::string& environment)
{
    std::ofstream(folder.path() / "stdin.txt") << input;
    std::string command = environment + " " + shellQuoted(program);
    for (const auto& argument : arguments) {
        command += " " + shellQuoted(argument);
    }
    command += " <" + shellQuoted((folder.path() / "stdin.txt").string())
               + " >" + shellQuoted((folder.path() / "out.txt").string())
               + " 2>" + shellQuoted((folder.path() / "err.txt").string());
    int status = std::system(command.c_str());
    ProgramRun run;
    run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = contentsOf(folder.path() / "out.txt");
    run.err = contentsOf(folder.path() / "err.txt");
    return run;
}

}  // namespace testing_support
