#include "device/settings/device.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/run_loop.h"
#include "device/foundation/system_info.h"
#include "device/foundation/user_defaults.h"
#include "device/objc/runtime.h"
#include "device/preferences/list_controller.h"
#include "device/settings/provisioning.h"
#include "device/uikit/application.h"
#include "device/uikit/screen.h"
#include "device/uikit/uikit_classes.h"

#include <algorithm>

namespace device::settings {

Device::Device(BootOptions options) : m_options(std::move(options)) {}

Device::~Device()
{
    shutDown();
    setRunningProfile(nullptr);
}

std::optional<std::string> Device::boot()
{
    if (m_options.reset) {
        if (auto error = eraseDeviceRoot(m_options.root)) {
            return error;
        }
    }
    if (m_options.provision) {
        if (auto error = provisionDeviceRoot(VELMORA_STAGE_DIR, m_options.root, m_options.profile.languages)) {
            return error;
        }
    } else {
        std::error_code ignored;
        std::filesystem::create_directories(m_options.root / "var/mobile/Library/Preferences", ignored);
    }
    foundation::DeviceRoot::set(m_options.root);
    if (m_options.language && !setLanguagePreference(*m_options.language)) {
        return "cannot write the system's preferred languages under " + m_options.root.string();
    }
    launch();
    return std::nullopt;
}

bool Device::setLanguagePreference(const std::string& code)
{
    auto& defaults = foundation::UserDefaults::standardUserDefaults();
    foundation::PlistArray languages{foundation::PlistValue(code)};
    if (auto current = defaults.objectForKey("AppleLanguages"); current && current->array()) {
        for (const auto& other : *current->array()) {
            if (!(other == foundation::PlistValue(code))) {
                languages.push_back(other);
            }
        }
    }
    return defaults.setObjectForKey(languages, "AppleLanguages");
}

void Device::startPlatform()
{
    objc::objc_resetRuntime();
    foundation::RunLoop::main().reset();
    foundation::registerFoundationClasses();
    uikit::registerUIKitClasses();
    preferences::registerPreferencesClasses();
    registerSettingsClasses();

    const auto& profile = m_options.profile;
    foundation::SystemInfo info;
    info.model = profile.model;
    info.machine = profile.machine;
    info.systemVersion = profile.systemVersion;
    foundation::SystemInfo::set(info);
    uikit::UIScreen::configure(profile.screenSize, profile.screenScale);
    uikit::UIApplication::sharedApplication().setInstalledURLSchemes(profile.urlSchemes);
    foundation::DeviceRoot::set(m_options.root);
    setRunningProfile(&m_options.profile);
}

void Device::launch()
{
    startPlatform();
    if (m_options.beforeLaunch) {
        m_options.beforeLaunch();
    }
    m_app = std::make_unique<SettingsApp>(m_options.profile, m_options.injection);
    m_loadFailures = m_app->launch();
}

void Device::shutDown()
{
    if (m_app) {
        m_app->terminate();
        m_app.reset();
    }
    foundation::RunLoop::main().reset();
    objc::objc_resetRuntime();
}

void Device::relaunch()
{
    shutDown();
    launch();
}

bool Device::setLanguage(const std::string& code)
{
    if (!setLanguagePreference(code)) {
        return false;
    }
    relaunch();
    return true;
}

void Device::advance(double seconds)
{
    foundation::RunLoop::main().advance(seconds);
}

}  // namespace device::settings
