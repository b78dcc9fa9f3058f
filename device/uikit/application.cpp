#include "device/uikit/application.h"

#include <utility>

namespace device::uikit {

UIApplication& UIApplication::sharedApplication()
{
    static UIApplication application;
    return application;
}

bool UIApplication::canOpenURL(const std::string&) const
{
    return true;
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
