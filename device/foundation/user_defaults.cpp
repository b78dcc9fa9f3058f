#include "device/foundation/user_defaults.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/property_list_file.h"

namespace device::foundation {

UserDefaults& UserDefaults::standardUserDefaults()
{
    static UserDefaults defaults;
    return defaults;
}

std::optional<PlistValue> UserDefaults::objectForKey(std::string_view key) const
{
    auto preferences = dictionaryWithContentsOfFile(kGlobalPreferencesPath);
    if (!preferences) {
        return std::nullopt;
    }
    auto found = preferences->find(std::string(key));
    if (found == preferences->end()) {
        return std::nullopt;
    }
    return found->second;
}

bool UserDefaults::setObjectForKey(const PlistValue& value, std::string_view key)
{
    auto preferences = dictionaryWithContentsOfFile(kGlobalPreferencesPath).value_or(PlistDictionary{});
    preferences.insert_or_assign(std::string(key), value);
    // This stands in for the system's own defaults writer, which creates its folder as needed.
    std::string_view folder = kGlobalPreferencesPath.substr(0, kGlobalPreferencesPath.rfind('/'));
    return FileManager::defaultManager().createDirectoryAtPath(folder)
        && writeToFile(PlistValue(std::move(preferences)), kGlobalPreferencesPath);
}

}  // namespace device::foundation
