#include "tests/support/program_run.h"
#include "tests/support/temp_root.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using testing::HasSubstr;
using testing_support::ProgramRun;
using testing_support::TempRoot;

namespace {

ProgramRun runMonkey(const TempRoot& folder, const std::vector<std::string>& arguments)
{
    return testing_support::runProgram(VELMORA_MONKEY_PATH, folder, arguments);
}

// The steps a verbose run printed, without its closing figures.
std::vector<std::string> stepsOf(const std::string& output)
{
    std::vector<std::string> steps;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) {
            steps.push_back(line);
        }
    }
    return steps;
}

}  // namespace

TEST(MonkeyBinary, RefusesBadOptionsWithOneMessageAndExit2)
{
    TempRoot folder;
    std::ofstream(folder.path() / "busy") << "something";
    const std::vector<std::vector<std::string>> wrong{
        {"--steps", "5"},
        {"--seed", "1", "--steps", "0"},
        {"--seed", "one", "--steps", "5"},
        {"--seed", "1", "--steps", "5", "--device", "watch"},
        {"--seed", "1", "--steps", "5", "--root", folder.path().string()},
        {"--seed", "1", "--steps", "5", "--root", (folder.path() / "busy").string()},
        {"--seed", "1", "--steps", "5", "--colour"},
    };
    for (const auto& arguments : wrong) {
        auto run = runMonkey(folder, arguments);
        EXPECT_EQ(run.exit, 2) << arguments.back();
        EXPECT_THAT(run.err, HasSubstr("--")) << arguments.back();
        EXPECT_EQ(run.out, "") << arguments.back();
    }
}

TEST(MonkeyBinary, AShortRunOnBothProfilesHoldsEveryCheckWritesOnlyInTheDeviceRootsAndReplays)
{
    TempRoot folder;
    auto run = runMonkey(folder, {"--seed", "7", "--steps", "300", "--device", "both", "--root",
                                  (folder.path() / "run").string()});
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("seed 7, 300 steps, every check held"));
    EXPECT_THAT(run.out, HasSubstr("Velmora's places reached: "));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "run/phone/var/mobile/Library/Preferences"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "run/outside"));

    // Each profile's steps replay in velmora-sim, to the same stores.
    auto replay = testing_support::runProgram(VELMORA_SIM_PATH, folder,
                                              {"--device", "tablet", "--reset", "--root",
                                               (folder.path() / "replay").string(),
                                               (folder.path() / "run/tablet.sim").string()});
    ASSERT_EQ(replay.exit, 0) << replay.err;
    auto prefs = [&folder](const std::string& root) {
        return testing_support::runProgram(VELMORA_SIM_PATH, folder,
                                           {"--device", "tablet", "--root", (folder.path() / root).string(), "-c",
                                            "prefs"})
            .out;
    };
    EXPECT_EQ(prefs("replay"), prefs("run/tablet"));
}

TEST(MonkeyBinary, TheSameSeedTakesTheSameSteps)
{
    TempRoot folder;
    auto steps = [&folder](const std::string& seed, const std::string& name) {
        auto run = runMonkey(folder, {"--seed", seed, "--steps", "80", "--device", "both", "--verbose", "--root",
                                      (folder.path() / name).string()});
        EXPECT_EQ(run.exit, 0) << run.err;
        return stepsOf(run.out);
    };
    auto first = steps("21", "first");
    EXPECT_EQ(first.size(), 80U);
    EXPECT_EQ(steps("21", "again"), first);
    EXPECT_NE(steps("22", "other"), first);
}
