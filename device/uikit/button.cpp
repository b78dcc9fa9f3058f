#include "device/uikit/button.h"

namespace device::uikit {

std::shared_ptr<UIButton> UIButton::buttonWithType(UIButtonType type)
{
    auto button = objc::create<UIButton>();
    if (type == UIButtonType::System) {
        button->titleLabel()->setTextColor(UIColor::rgba(0, 0.48, 1));
    }
    return button;
}

UILabel* UIButton::titleLabel()
{
    if (!m_titleLabel) {
        m_titleLabel = objc::create<UILabel>();
        m_titleLabel->setTextAlignment(NSTextAlignment::Center);
        m_titleLabel->setUserInteractionEnabled(false);
        addSubview(m_titleLabel);
        layoutContent();
    }
    return m_titleLabel.get();
}

UIImageView* UIButton::imageView()
{
    if (!m_imageView) {
        m_imageView = objc::create<UIImageView>();
        m_imageView->setUserInteractionEnabled(false);
        m_imageView->setContentMode(UIViewContentMode::Center);
        insertSubviewAtIndex(m_imageView, 0);
        layoutContent();
    }
    return m_imageView.get();
}

void UIButton::setTitle(std::string title)
{
    titleLabel()->setText(std::move(title));
}

void UIButton::setTitleColor(UIColor color)
{
    titleLabel()->setTextColor(std::move(color));
}

void UIButton::setImage(std::shared_ptr<UIImage> image)
{
    imageView()->setImage(std::move(image));
}

void UIButton::setFrame(CGRect frame)
{
    UIControl::setFrame(frame);
    layoutContent();
}

void UIButton::layoutContent()
{
    CGRect inside = bounds();
    if (m_titleLabel) {
        m_titleLabel->setFrame(inside);
    }
    if (m_imageView) {
        m_imageView->setFrame(inside);
    }
}

}  // namespace device::uikit
