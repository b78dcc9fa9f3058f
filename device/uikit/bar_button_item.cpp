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

std::shared_ptr<UIBarButtonItem> UIBarButtonItem::initWithImage(std::shared_ptr<UIImage> image,
                                                                UIBarButtonItemStyle style, objc::id target,
                                                                objc::SEL action)
{
    auto item = initWithTitle({}, style, target, action);
    item->m_image = std::move(image);
    return item;
}

std::string UIBarButtonItem::name() const
{
    if (!m_title.empty() || !m_image) {
        return m_title;
    }
    std::string_view path = m_image->sourcePath();
    path = path.substr(path.rfind('/') + 1);
    path = path.substr(0, path.find('.'));
    return std::string(path.substr(0, path.find('@')));
}

void UIBarButtonItem::sendAction()
{
    auto keepAlive = retained<UIBarButtonItem>();
    if (m_enabled) {
        objc::sendAction(m_action, this);
    }
}

}  // namespace device::uikit
