#include "device/uikit/application.h"

#include <utility>

namespace device::uikit {

void UIWindow::setRootViewController(std::shared_ptr<UIViewController> controller)
{
    if (m_root && m_root->isViewLoaded()) {
        m_root->view()->removeFromSuperview();
    }
    m_root = std::move(controller);
    if (m_root) {
        auto view = m_root->viewShared();
        view->setFrame(bounds());
        addSubview(view);
    }
}

UIApplication& UIApplication::sharedApplication()
{
    static UIApplication application;
    return application;
}

bool UIApplication::openURL(const std::string& url)
{
    m_openedURLs.push_back(url);
    return true;
}

void UIApplication::reset()
{
    m_keyWindow.reset();
    m_openedURLs.clear();
    m_sounds.clear();
}

}  // namespace device::uikit
