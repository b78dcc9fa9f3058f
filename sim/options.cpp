#include "sim/options.h"

#include "sim/command_table.h"
#include "device/foundation/language_code.h"

#include <CLI/CLI.hpp>

namespace sim {

namespace {

std::string commandSummary()
{
    std::string summary = "Script commands (run \"help\" for details):\n ";
    for (const Command& command : commandTable()) {
        summary += " " + std::string(command.name);
    }
    return summary + "\n\nExit status: 0 when all went well, 1 when an expect failed, 2 for any other error.";
}

}  // namespace

std::variant<Options, int> parseOptions(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    Options options;
    CLI::App app{"Boots a simulated device, launches its Settings app with Velmora injected, and lets a person or a "
                 "script drive it.",
                 "velmora-sim"};
    app.footer(commandSummary());
    app.add_option("--device", options.device,
                   "phone (the default), tablet, or the path of a device profile (property list)")
        ->option_text("NAME|FILE")
        ->check([](const std::string& device) {
            return device.empty() ? "names no device: phone, tablet or the path of a device profile" : "";
        });
    app.add_option("--root", options.root,
                   "the folder that stands for the device's / (default: $XDG_DATA_HOME/velmora-sim/<device>)")
        ->option_text("DIR")
        ->check([](const std::string& folder) { return folder.empty() ? "the device root cannot be empty" : ""; });
    app.add_flag("--reset", options.reset, "erase the device root before booting");
    app.add_flag("--no-library", options.noLibrary, "boot without injecting Velmora");
    app.add_option("--language", options.language, "the system's preferred language for this boot (en, fr, ...)")
        ->option_text("CODE")
        ->check([](const std::string& code) {
            return device::foundation::isLanguageCode(code) ? std::string() : "\"" + code + "\" is not a language code such as en or fr";
        });
    auto* commands
        = app.add_option("-c", options.commands, "run the commands in TEXT (one per line, or separated by ;)")
              ->option_text("TEXT");
    auto* script = app.add_option("SCRIPT", options.script, "run the commands in a file; - reads standard input")
                       ->option_text(" ")
                       ->excludes(commands);
    ServeOptions serve;
    auto* server = app.add_subcommand("serve", "show the device in a web page at http://127.0.0.1:PORT/");
    server->add_option("--port", serve.port, "the port to listen on; 0 picks a free one")
        ->option_text("N")
        ->default_val(ServeOptions::kDefaultPort)
        ->check(CLI::Range(0, 65535));
    // The device options may come after the subcommand too.
    server->fallthrough();
    server->excludes(commands);
    server->excludes(script);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err) == 0 ? 0 : 2;
    }
    if (server->parsed()) {
        options.serve = serve;
    }
    return options;
}

}  // namespace sim
