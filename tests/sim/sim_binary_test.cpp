#include "tests/support/program_run.h"
#include "tests/support/temp_root.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <iterator>

using testing::HasSubstr;
using testing_support::contentsOf;
using testing_support::TempRoot;

namespace {

using BinaryRun = testing_support::ProgramRun;

BinaryRun runBinary(const TempRoot& folder, const std::vector<std::string>& arguments, const std::string& input = "",
                    const std::string& environment = "")
{
    return testing_support::runProgram(VELMORA_SIM_PATH, folder, arguments, input, environment);
}

bool hasRowLabelled(const nlohmann::json& page, const std::string& label)
{
    for (const auto& section : page["sections"]) {
        for (const auto& row : section["rows"]) {
            if (row["label"] == label) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

TEST(SimBinary, BootsTheRootItIsGivenWithTheLibraryInjectedByTheLoader)
{
    TempRoot folder;
    std::string root = (folder.path() / "device").string();
    std::ofstream(folder.path() / "check.sim") << "# the set-up screen shows once\ndump\nrelaunch\nexpect Velmora\n";

    auto injected = runBinary(folder, {"--root", root, (folder.path() / "check.sim").string()});
    ASSERT_EQ(injected.exit, 0) << injected.err;
    auto screen = nlohmann::json::parse(injected.out.substr(0, injected.out.find('\n')));
    EXPECT_EQ(screen["device"], "phone");
    EXPECT_TRUE(hasRowLabelled(screen["page"], "Velmora"));
    EXPECT_TRUE(std::filesystem::exists(folder / "device/Library/MobileSubstrate/DynamicLibraries/Velmora.so"));
    EXPECT_FALSE(
        contentsOf(folder / "device/var/mobile/Library/Preferences/com.corvane.velmora.advanced.plist").empty());

    auto plain
        = runBinary(folder, {"--root", root, "--reset", "--no-library", "--device", "tablet", "-c", "dump; prefs"});
    ASSERT_EQ(plain.exit, 0) << plain.err;
    auto tablet = nlohmann::json::parse(plain.out.substr(0, plain.out.find('\n')));
    EXPECT_EQ(tablet["device"], "tablet");
    EXPECT_FALSE(hasRowLabelled(tablet["master"], "Velmora"));
    EXPECT_THAT(plain.out, HasSubstr(R"({"enabled":{},"advanced":{},)")) << "--reset erased the stores";
}

TEST(SimBinary, UsageErrorsExitWithTwoAndSayWhatWasWrong)
{
    TempRoot folder;
    std::string root = (folder.path() / "device").string();
    std::ofstream(folder.path() / "broken.sim") << "show\nexpect\n";

    auto profile = runBinary(folder, {"--root", root, "--device", "nowhere.plist", "-c", "show"});
    EXPECT_EQ(profile.exit, 2);
    EXPECT_THAT(profile.err, HasSubstr("nowhere.plist"));

    auto language = runBinary(folder, {"--root", root, "--language", "12", "-c", "show"});
    EXPECT_EQ(language.exit, 2);
    EXPECT_THAT(language.err, HasSubstr("\"12\" is not a language code"));

    auto both = runBinary(folder, {"--root", root, "-c", "show", (folder.path() / "broken.sim").string()});
    EXPECT_EQ(both.exit, 2);

    auto missing = runBinary(folder, {"--root", root, (folder.path() / "absent.sim").string()});
    EXPECT_EQ(missing.exit, 2);
    EXPECT_THAT(missing.err, HasSubstr("cannot read the script"));
    EXPECT_FALSE(std::filesystem::exists(root)) << "nothing was booted";

    auto broken = runBinary(folder, {"--root", root, (folder.path() / "broken.sim").string()});
    EXPECT_EQ(broken.exit, 2);
    EXPECT_THAT(broken.err, HasSubstr("broken.sim, line 2: expect: needs a text"));
}

TEST(SimBinary, HostileOptionsGetAMessageAndExitTwoNeverACrash)
{
    TempRoot folder;
    std::string root = (folder.path() / "device").string();
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    std::string longCode = "en";
    for (int i = 0; i < 20000; ++i) {
        longCode += "-abcd";
    }
    for (const auto& [arguments, message] : std::initializer_list<Case>{
             {{"--root", root, "--device", folder.path().string()}, folder.path().string() + ": is a folder"},
             {{"--root", root, "--device", ""}, "--device: names no device"},
             {{"--root", ""}, "--root: the device root cannot be empty"},
             {{"--root", root, "--language", longCode + "-"}, "is not a language code"},
         }) {
        auto args = arguments;
        args.insert(args.end(), {"-c", "show"});
        auto run = runBinary(folder, args);
        EXPECT_EQ(run.exit, 2) << message;
        EXPECT_THAT(run.err, HasSubstr(message));
        EXPECT_TRUE(run.out.empty()) << message;
    }
    EXPECT_FALSE(std::filesystem::exists(root)) << "nothing was booted";

    auto accepted = runBinary(folder, {"--root", root, "--no-library", "--language", longCode, "-c", "echo booted"});
    EXPECT_EQ(accepted.exit, 0) << accepted.err;
    EXPECT_EQ(accepted.out, "booted\n");
}

TEST(SimBinary, WithoutAScriptItReadsCommandsFromStandardInputOnTheDefaultRoot)
{
    TempRoot folder;
    auto run = runBinary(folder, {"--no-library"}, "expect Nowhere\nwait 1\n",
                         "XDG_DATA_HOME=" + testing_support::shellQuoted(folder.path().string()));
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr("input, line 1: expect: the screen does not show \"Nowhere\""));
    EXPECT_THAT(run.out, HasSubstr("Settings"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "velmora-sim/phone/var/mobile/Library/Preferences"));
}
