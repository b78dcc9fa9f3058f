#include "monkey/protection_watch.h"

#include "device/foundation/property_list_file.h"
#include "device/preferences/view_controller.h"
#include "device/render/screen_controllers.h"

#include <algorithm>

namespace monkey {

namespace {

constexpr std::size_t kPasscodeLength = 4;
constexpr const char* kProtectedStore = "/var/mobile/Library/Preferences/com.corvane.velmora.protected.plist";

bool flag(const device::foundation::PlistDictionary& store, const std::string& key)
{
    auto found = store.find(key);
    return found != store.end() && found->second.boolValue();
}

std::string text(const device::foundation::PlistDictionary& store, const std::string& key)
{
    auto found = store.find(key);
    const std::string* value = found == store.end() ? nullptr : found->second.string();
    return value ? *value : std::string();
}

// Protection guards an entry only while it is switched on and a passcode is set; a guard that holds
// more than that is no fault this watch looks for.
bool guards(const device::foundation::PlistDictionary& store, const std::string& entry)
{
    return flag(store, "enable") && !text(store, "password").empty() && flag(store, entry);
}

void addStack(const device::uikit::UINavigationController* navigation,
              std::vector<std::shared_ptr<device::uikit::UIViewController>>& controllers)
{
    if (navigation) {
        const auto& stack = navigation->viewControllers();
        controllers.insert(controllers.end(), stack.begin(), stack.end());
    }
}

device::foundation::PlistDictionary readProtectedStore()
{
    auto stored = device::foundation::dictionaryWithContentsOfFile(kProtectedStore);
    return stored ? *stored : device::foundation::PlistDictionary{};
}

}  // namespace

std::vector<std::shared_ptr<device::uikit::UIViewController>> shownControllers(device::settings::SettingsApp& app)
{
    std::vector<std::shared_ptr<device::uikit::UIViewController>> controllers;
    addStack(app.navigation(), controllers);
    addStack(app.masterNavigation(), controllers);
    if (app.window()) {
        addStack(device::render::findScreenControllers(*app.window()).modalNavigation, controllers);
    }
    return controllers;
}

void ProtectionWatch::beforeStep(const Action& action, device::settings::SettingsApp& app, bool lockScreenShown)
{
    m_protectedStore = readProtectedStore();
    m_shownBefore.clear();
    // A restart closes the library, and with it the code that would release what it made: hold nothing of it.
    if (action.kind != ActionKind::Restart) {
        for (const auto& controller : shownControllers(app)) {
            m_shownBefore.push_back(controller);
        }
    }
    if (lockScreenShown && !m_lockScreenBefore) {
        m_digits.clear();
    }
    m_lockScreenBefore = lockScreenShown;
    switch (action.kind) {
    case ActionKind::Touch:
        m_passcodeAccepted = false;
        return;
    case ActionKind::Restart:
        m_passcodeAccepted = false;
        m_digits.clear();
        return;
    case ActionKind::Passive:
        return;
    case ActionKind::Keypad:
        if (action.digit.empty()) {
            if (!m_digits.empty()) {
                m_digits.pop_back();
            }
            return;
        }
        m_digits += action.digit;
        if (m_digits.size() == kPasscodeLength) {
            m_passcodeAccepted = m_digits == text(m_protectedStore, "password");
            m_digits.clear();
        }
        return;
    }
}

std::optional<char> ProtectionWatch::nextPasscodeKey() const
{
    std::string passcode = text(readProtectedStore(), "password");
    if (passcode.empty()) {
        return std::nullopt;
    }
    bool onTheWay = m_digits.size() < passcode.size() && passcode.starts_with(m_digits);
    return passcode[onTheWay ? m_digits.size() : 0];
}

std::optional<std::string> ProtectionWatch::afterStep(device::settings::SettingsApp& app, bool lockScreenShown)
{
    auto* rootList = app.rootController();
    std::optional<std::string> fault;
    for (const auto& controller : shownControllers(app)) {
        bool shownBefore = std::any_of(m_shownBefore.begin(), m_shownBefore.end(),
                                       [&controller](const auto& before) { return before.lock() == controller; });
        auto* page = dynamic_cast<device::preferences::PSViewController*>(controller.get());
        if (shownBefore || !page || !page->specifier() || page->parentController() != rootList) {
            continue;
        }
        std::string entry = page->specifier()->nameOrEmpty();
        if (guards(m_protectedStore, entry) && !m_passcodeAccepted) {
            fault = "the page of the protected entry \"" + entry
                    + "\" opened from the root list without its passcode typed since the touch";
        }
    }
    m_shownBefore.clear();
    if (!lockScreenShown) {
        m_digits.clear();
    }
    m_lockScreenBefore = lockScreenShown;
    return fault;
}

}  // namespace monkey
