#pragma once

#include "device/uikit/view.h"
#include "device/uikit/view_controller.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace device::uikit {

class UIWindow : public UIView {
public:
    static constexpr std::string_view className = "UIWindow";

    using UIView::UIView;

    UIViewController* rootViewController() const { return m_root.get(); }
    void setRootViewController(std::shared_ptr<UIViewController> controller);

private:
    std::shared_ptr<UIViewController> m_root;
};

class UIApplication {
public:
    static UIApplication& sharedApplication();

    UIWindow* keyWindow() const { return m_keyWindow.get(); }
    void setKeyWindow(std::shared_ptr<UIWindow> window) { m_keyWindow = std::move(window); }

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
