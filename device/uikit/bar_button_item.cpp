#include "device/uikit/bar_button_item.h"

namespace device::uikit {

std::shared_ptr<UIBarButtonItem> UIBarButtonItem::initWithTitle(std::string title, UIBarButtonItemStyle style,
                                                                objc::id target, objc::SEL action)
{
    auto item = objc::create<UIBarButtonItem>();
    item->m_title = std::move(title);
    item->m_style = style;
    if (target) {
        item->m_action.target = target->retained<objc::Object>();
    }
    item->m_action.action = action;
    return item;
}

void UIBarButtonItem::sendAction()
{
    auto keepAlive = retained<UIBarButtonItem>();
    if (m_enabled) {
        objc::sendAction(m_action, this);
    }
}

}  // namespace device::uikit
