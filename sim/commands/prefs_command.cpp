#include "sim/commands/commands.h"
#include "sim/plist_json.h"
#include "sim/simulator.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"

#include <algorithm>
#include <array>

namespace sim::commands {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 9> kStores{"enabled",   "advanced", "hide",  "tag", "position",
                                                  "protected", "theme",    "icons", "temp"};
constexpr std::string_view kFolder = "/var/mobile/Library/Preferences/";
constexpr std::string_view kPrefix = "com.corvane.velmora.";
constexpr std::string_view kTagPositionPrefix = "position_";
constexpr std::string_view kSuffix = ".plist";

std::string storePath(std::string_view shortName)
{
    return std::string(kFolder).append(kPrefix).append(shortName).append(kSuffix);
}

bool isStoreName(std::string_view name)
{
    bool tagPosition = name.starts_with(kTagPositionPrefix) && name.size() > kTagPositionPrefix.size()
                       && name.find('/') == std::string_view::npos;
    return tagPosition || std::find(kStores.begin(), kStores.end(), name) != kStores.end();
}

std::vector<std::string> tagPositionStores()
{
    std::string prefix = std::string(kPrefix).append(kTagPositionPrefix);
    std::vector<std::string> names;
    for (const auto& file : device::foundation::FileManager::defaultManager().contentsOfDirectoryAtPath(kFolder)) {
        if (file.starts_with(prefix) && file.ends_with(kSuffix) && file.size() > prefix.size() + kSuffix.size()) {
            names.push_back(file.substr(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size()));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The library reads a store it cannot use as empty, and so does this; the warning says why.
Json readStore(Simulator& simulator, std::string_view shortName)
{
    std::string path = storePath(shortName);
    if (!device::foundation::FileManager::defaultManager().fileExistsAtPath(path)) {
        return Json::object();
    }
    auto contents = device::foundation::dictionaryWithContentsOfFile(path);
    if (!contents) {
        simulator.err() << "warning: " << path
                        << " is not a property list with a dictionary at its root; shown as {}\n";
        return Json::object();
    }
    return plistToJson(*contents);
}

}  // namespace

CommandResult prefs(Simulator& simulator, const Arguments& arguments)
{
    Json output = Json::object();
    if (arguments.text) {
        if (!isStoreName(*arguments.text)) {
            return CommandResult::error("no store is called \"" + *arguments.text
                                        + "\"; the stores are enabled, advanced, hide, tag, position, protected, "
                                          "theme, icons, temp and position_<tag>");
        }
        output = readStore(simulator, *arguments.text);
    } else {
        for (auto name : kStores) {
            output[std::string(name)] = readStore(simulator, name);
        }
        for (const auto& name : tagPositionStores()) {
            output[name] = readStore(simulator, name);
        }
    }
    simulator.out() << output.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
    return CommandResult::ok();
}

}  // namespace sim::commands
