#pragma once

#include "device/foundation/plist_value.h"

#include <optional>
#include <string_view>

namespace device::foundation {

inline constexpr std::string_view kGlobalPreferencesPath = "/var/mobile/Library/Preferences/.GlobalPreferences.plist";

// The standard user defaults of the running app, backed by the device's global preferences file,
// read afresh at every lookup so that a change made by the device's own settings is seen at once.
class UserDefaults {
public:
    static UserDefaults& standardUserDefaults();

    std::optional<PlistValue> objectForKey(std::string_view key) const;
    bool setObjectForKey(const PlistValue& value, std::string_view key);
};

}  // namespace device::foundation
