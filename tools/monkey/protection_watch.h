#pragma once

#include "monkey/action.h"

#include "device/foundation/plist_value.h"
#include "device/settings/settings_app.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace monkey {

// Watches that a protected entry's page opens from the root list only after its passcode was typed
// on the lock screen since the touch that asked for it. The passcode is whatever the protection
// store holds when a key is tapped, as the keypad itself compares with it.
class ProtectionWatch {
public:
    // Called before each step, with the app as it is.
    void beforeStep(const Action& action, device::settings::SettingsApp& app, bool lockScreenShown);
    // Called after it: the fault, if a protected page opened without its passcode.
    std::optional<std::string> afterStep(device::settings::SettingsApp& app, bool lockScreenShown);
    // The keypad digit that brings what was typed on the lock screen closer to the passcode; none
    // when no passcode is set.
    std::optional<char> nextPasscodeKey() const;

private:
    device::foundation::PlistDictionary m_protectedStore;
    std::vector<std::weak_ptr<device::objc::Object>> m_shownBefore;
    std::string m_digits;
    bool m_lockScreenBefore = false;
    bool m_passcodeAccepted = false;
};

// Every list page on the navigation stacks and in what is presented.
std::vector<std::shared_ptr<device::uikit::UIViewController>> shownControllers(device::settings::SettingsApp& app);

}  // namespace monkey
