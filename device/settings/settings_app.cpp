#include "device/settings/settings_app.h"

#include "device/foundation/run_loop.h"
#include "device/objc/message.h"
#include "device/uikit/modal_ui.h"
#include "device/uikit/screen.h"

namespace device::settings {

SettingsApp::SettingsApp(const DeviceProfile& profile, LibraryInjection injection)
    : m_profile(profile), m_injection(injection)
{
}

SettingsApp::~SettingsApp()
{
    terminate();
}

std::vector<std::string> SettingsApp::launch()
{
    std::vector<std::string> failures;
    if (m_injection == LibraryInjection::Inject) {
        failures = m_loader.loadAll();
    }
    m_window = objc::create<uikit::UIWindow>(uikit::UIScreen::mainScreen().bounds());
    m_window->setBackgroundColor(uikit::UIColor::blackColor());
    uikit::UIApplication::sharedApplication().setKeyWindow(m_window);

    m_root = std::dynamic_pointer_cast<PrefsListController>(
        objc::class_createInstance(objc::objc_getClass(PrefsListController::className)));
    m_root->setTitle("Settings");
    m_navigation = uikit::UINavigationController::initWithRootViewController(m_root);
    if (m_profile.isTablet()) {
        auto blank = objc::create<preferences::PSListController>();
        auto detail = uikit::UINavigationController::initWithRootViewController(blank);
        m_split = objc::create<uikit::UISplitViewController>();
        m_split->setViewControllers(m_navigation, detail);
        m_window->setRootViewController(m_split);
        objc::msgSend<void>(m_split.get(), "viewWillAppear:", false);
    } else {
        m_window->setRootViewController(m_navigation);
        objc::msgSend<void>(m_navigation.get(), "viewWillAppear:", false);
    }
    foundation::RunLoop::main().runUntilIdle();
    return failures;
}

void SettingsApp::terminate()
{
    // Timers keep their targets alive; the run loop lets go of them before the controllers end.
    foundation::RunLoop::main().reset();
    uikit::UIApplication::sharedApplication().reset();
    uikit::resetModalUI();
    m_split.reset();
    m_navigation.reset();
    m_window.reset();
    m_root.reset();
    m_loader.unloadAll();
}

uikit::UINavigationController* SettingsApp::navigation() const
{
    return m_split ? m_split->detail() : m_navigation.get();
}

uikit::UINavigationController* SettingsApp::masterNavigation() const
{
    return m_split ? m_navigation.get() : nullptr;
}

}  // namespace device::settings
