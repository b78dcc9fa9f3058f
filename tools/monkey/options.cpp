#include "monkey/options.h"

#include <CLI/CLI.hpp>

namespace monkey {

namespace {

// The run writes into the folder and erases the device roots in it, so it must hold nothing yet.
std::string unusedFolder(const std::string& folder)
{
    std::error_code error;
    if (folder.empty()) {
        return "the folder cannot be empty";
    }
    if (!std::filesystem::exists(folder, error)) {
        return "";
    }
    if (!std::filesystem::is_directory(folder, error)) {
        return folder + " is not a folder";
    }
    bool empty = std::filesystem::is_empty(folder, error) && !error;
    return empty ? "" : folder + " is not empty: give a new or empty folder";
}

}  // namespace

std::variant<Options, int> parseOptions(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    Options options;
    std::string device = "phone";
    CLI::App app{"Drives Velmora in a simulated Settings app with random touches, typing, relaunches and language "
                 "changes, checking after every step that its stores, its root list and its passcode hold.",
                 "velmora-monkey"};
    app.footer("Exit status: 0 when every step kept every check, 1 when a check failed, 2 for a usage error.");
    app.add_option("--seed", options.seed, "the seed: the same seed takes the same steps")->required();
    app.add_option("--steps", options.steps, "how many steps to take")
        ->required()
        ->check(CLI::Range(1L, 1000000000L));
    app.add_option("--device", device, "phone (the default), tablet, or both (moving between them)")
        ->check(CLI::IsMember({"phone", "tablet", "both"}));
    app.add_option("--root", options.folder,
                   "a new or empty folder for the device roots, kept afterwards with each profile's steps as a "
                   "velmora-sim script (default: a temporary folder, removed unless a check fails)")
        ->option_text("DIR")
        ->check(unusedFolder);
    app.add_flag("--verbose", options.verbose, "print every step");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err) == 0 ? 0 : 2;
    }
    options.devices = device == "both" ? std::vector<std::string>{"phone", "tablet"} : std::vector<std::string>{device};
    return options;
}

}  // namespace monkey
