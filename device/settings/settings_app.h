#pragma once

#include "device/settings/loader.h"
#include "device/settings/prefs_list_controller.h"
#include "device/uikit/application.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/split_view_controller.h"

#include <memory>
#include <string>
#include <vector>

namespace device::settings {

enum class LibraryInjection { Inject, None };

// The host Settings app: its window, its root list and, on a tablet, the detail pages beside it.
class SettingsApp {
public:
    SettingsApp(const DeviceProfile& profile, LibraryInjection injection);
    ~SettingsApp();
    SettingsApp(const SettingsApp&) = delete;
    SettingsApp& operator=(const SettingsApp&) = delete;

    // Loads the injected libraries (unless told not to), then builds and shows the root list.
    // Answers the libraries that could not be loaded.
    std::vector<std::string> launch();
    // Ends the app: its controllers go away first, then the libraries are closed.
    void terminate();

    uikit::UIWindow* window() const { return m_window.get(); }
    PrefsListController* rootController() const { return m_root.get(); }
    // Where pages are pushed: the only navigation on a phone, the detail side on a tablet.
    uikit::UINavigationController* navigation() const;
    // A tablet's root list side; none on a phone.
    uikit::UINavigationController* masterNavigation() const;
    bool isTablet() const { return m_profile.isTablet(); }

private:
    const DeviceProfile& m_profile;
    LibraryInjection m_injection;
    Loader m_loader;
    std::shared_ptr<uikit::UIWindow> m_window;
    std::shared_ptr<PrefsListController> m_root;
    std::shared_ptr<uikit::UINavigationController> m_navigation;
    std::shared_ptr<uikit::UISplitViewController> m_split;
};

}  // namespace device::settings
