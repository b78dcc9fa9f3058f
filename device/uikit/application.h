#pragma once

#include "device/uikit/url_scheme.h"
#include "device/uikit/window.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace device::uikit {

class UIApplication {
public:
    static UIApplication& sharedApplication();

    UIWindow* keyWindow() const { return m_keyWindow.get(); }
    void setKeyWindow(std::shared_ptr<UIWindow> window) { m_keyWindow = std::move(window); }

    // The schemes that the device's installed applications register, besides the browser's.
    void setInstalledURLSchemes(std::vector<std::string> schemes) { m_installedSchemes = std::move(schemes); }
    // Whether some application on the device handles the URL's scheme (case-insensitively).
    bool canOpenURL(const std::string& url) const;
    // Hands the URL to the application that handles it; a URL that none handles is dropped.
    bool openURL(const std::string& url);
    const std::vector<std::string>& openedURLs() const { return m_openedURLs; }
    // The URLs opened since the last call.
    std::vector<std::string> takeOpenedURLs() { return std::exchange(m_unreportedURLs, {}); }

    void playSystemSound(int soundId) { m_sounds.push_back(soundId); }
    // The sounds played since the last call.
    std::vector<int> takeSounds() { return std::exchange(m_sounds, {}); }

    // A new launch of the app starts without windows or history, and learns the device's schemes anew.
    void reset();

private:
    std::shared_ptr<UIWindow> m_keyWindow;
    std::vector<std::string> m_installedSchemes;
    std::vector<std::string> m_openedURLs;
    std::vector<std::string> m_unreportedURLs;
    std::vector<int> m_sounds;
};

}  // namespace device::uikit
