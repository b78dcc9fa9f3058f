#pragma once

#include "device/uikit/window.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace device::uikit {

class UIApplication {
public:
    static UIApplication& sharedApplication();

    UIWindow* keyWindow() const { return m_keyWindow.get(); }
    void setKeyWindow(std::shared_ptr<UIWindow> window) { m_keyWindow = std::move(window); }

    bool canOpenURL(const std::string& url) const;
    bool openURL(const std::string& url);
    const std::vector<std::string>& openedURLs() const { return m_openedURLs; }

    void playSystemSound(int soundId) { m_sounds.push_back(soundId); }
    // The sounds played since the last call.
    std::vector<int> takeSounds() { return std::exchange(m_sounds, {}); }

    // A new launch of the app starts without windows or history.
    void reset();

private:
    std::shared_ptr<UIWindow> m_keyWindow;
    std::vector<std::string> m_openedURLs;
    std::vector<int> m_sounds;
};

}  // namespace device::uikit
