#include "monkey/store_checks.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"

#include <algorithm>
#include <charconv>

namespace monkey {

namespace {

using device::foundation::FileManager;

constexpr std::string_view kFolder = "/var/mobile/Library/Preferences/";
constexpr std::string_view kTagStore = "com.corvane.velmora.tag.plist";
constexpr std::string_view kGlobalPreferences = ".GlobalPreferences.plist";

// "1", "2", ...: no sign, no leading zero.
std::optional<long> tagNumber(const std::string& key)
{
    long number = 0;
    auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
    if (key.empty() || key.front() == '0' || error != std::errc() || end != key.data() + key.size()) {
        return std::nullopt;
    }
    return number;
}

void checkTagNumbers(const device::foundation::PlistDictionary& tags, std::vector<std::string>& faults)
{
    std::vector<long> numbers;
    for (const auto& [key, record] : tags) {
        auto number = tagNumber(key);
        if (!number) {
            faults.push_back(std::string(kTagStore) + " has the key \"" + key + "\", which is no tag number");
            continue;
        }
        numbers.push_back(*number);
    }
    std::sort(numbers.begin(), numbers.end());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] != static_cast<long>(i) + 1) {
            faults.push_back(std::string(kTagStore) + " numbers its tags " + std::to_string(numbers.front()) + ".."
                             + std::to_string(numbers.back()) + " with " + std::to_string(numbers.size())
                             + " tags: not 1, 2, ... without a gap");
            return;
        }
    }
}

}  // namespace

std::vector<std::string> checkStores()
{
    std::vector<std::string> faults;
    for (const auto& name : FileManager::defaultManager().contentsOfDirectoryAtPath(kFolder)) {
        std::string path = std::string(kFolder) + name;
        if (name.starts_with(".") && name != kGlobalPreferences) {
            faults.push_back(path + " is left behind");
            continue;
        }
        if (FileManager::defaultManager().isDirectoryAtPath(path)) {
            continue;
        }
        auto contents = device::foundation::propertyListWithContentsOfFile(path);
        if (!contents) {
            faults.push_back(path + " does not read as a property list");
        } else if (name == kTagStore) {
            if (const auto* tags = contents->dictionary()) {
                checkTagNumbers(*tags, faults);
            } else {
                faults.push_back(path + " holds no dictionary");
            }
        }
    }
    return faults;
}

}  // namespace monkey
