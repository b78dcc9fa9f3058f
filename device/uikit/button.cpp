#include "device/uikit/button.h"

#include "device/uikit/image.h"

namespace device::uikit {

namespace {

// How much of its colour a highlighted image keeps, and how much a system button's title.
constexpr double kHighlightedImageLevel = 0.6;
constexpr double kHighlightedSystemTitleAlpha = 0.2;

std::shared_ptr<UIImage> darkened(const UIImage& image)
{
    std::vector<std::uint8_t> rgba = image.rgba();
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        for (std::size_t c = 0; c < 3; ++c) {
            rgba[i + c] = static_cast<std::uint8_t>(rgba[i + c] * kHighlightedImageLevel + 0.5);
        }
    }
    return objc::create<UIImage>(image.pixelWidth(), image.pixelHeight(), image.scale(), std::move(rgba));
}

}  // namespace

std::shared_ptr<UIButton> UIButton::buttonWithType(UIButtonType type)
{
    auto button = objc::create<UIButton>();
    if (type == UIButtonType::System) {
        button->m_system = true;
        button->setTitleColor(UIColor::rgba(0, 0.48, 1));
    }
    return button;
}

template <typename Look>
const Look* UIButton::lookFor(const std::map<std::uint32_t, Look>& looks, std::uint32_t state)
{
    auto found = looks.find(state);
    if (found == looks.end()) {
        found = looks.find(UIControlStateNormal);
    }
    return found == looks.end() ? nullptr : &found->second;
}

void UIButton::setTitle(std::string title, std::uint32_t state)
{
    m_titles[state] = std::move(title);
    titleLabel();
    showCurrentLooks();
}

void UIButton::setTitleColor(UIColor color, std::uint32_t state)
{
    m_titleColors[state] = std::move(color);
    titleLabel();
    showCurrentLooks();
}

void UIButton::setImage(std::shared_ptr<UIImage> image, std::uint32_t state)
{
    m_images[state] = std::move(image);
    imageView();
    showCurrentLooks();
}

void UIButton::setBackgroundImage(std::shared_ptr<UIImage> image, std::uint32_t state)
{
    m_backgroundImages[state] = std::move(image);
    backgroundView();
    showCurrentLooks();
}

std::string UIButton::titleForState(std::uint32_t state) const
{
    const std::string* title = lookFor(m_titles, state);
    return title ? *title : std::string();
}

UIImage* UIButton::imageForState(std::uint32_t state) const
{
    const auto* image = lookFor(m_images, state);
    return image ? image->get() : nullptr;
}

UIImage* UIButton::backgroundImageForState(std::uint32_t state) const
{
    const auto* image = lookFor(m_backgroundImages, state);
    return image ? image->get() : nullptr;
}

void UIButton::setAdjustsImageWhenHighlighted(bool adjusts)
{
    m_adjustsImageWhenHighlighted = adjusts;
    showCurrentLooks();
}

void UIButton::stateDidChange()
{
    showCurrentLooks();
}

std::shared_ptr<UIImage> UIButton::shownImage(const std::map<std::uint32_t, std::shared_ptr<UIImage>>& images) const
{
    std::uint32_t now = state();
    const auto* image = lookFor(images, now);
    if (!image || !*image) {
        return nullptr;
    }
    bool ownLook = images.count(now) != 0;
    if (isHighlighted() && !ownLook && m_adjustsImageWhenHighlighted) {
        return darkened(**image);
    }
    return *image;
}

// Only looks set through the per-state setters are applied, so a label or image view set up directly
// keeps what it was given.
void UIButton::showCurrentLooks()
{
    std::uint32_t now = state();
    if (m_titleLabel) {
        if (const std::string* title = lookFor(m_titles, now)) {
            m_titleLabel->setText(*title);
        }
        if (const UIColor* color = lookFor(m_titleColors, now)) {
            m_titleLabel->setTextColor(*color);
        }
        if (m_system) {
            bool fades = isHighlighted() && !m_titleColors.count(now);
            m_titleLabel->setAlpha(fades ? kHighlightedSystemTitleAlpha : 1.0);
        }
    }
    if (m_imageView && !m_images.empty()) {
        m_imageView->setImage(shownImage(m_images));
    }
    if (m_backgroundView && !m_backgroundImages.empty()) {
        m_backgroundView->setImage(shownImage(m_backgroundImages));
    }
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
        insertSubviewAtIndex(m_imageView, m_backgroundView ? 1 : 0);
        layoutContent();
    }
    return m_imageView.get();
}

UIImageView* UIButton::backgroundView()
{
    if (!m_backgroundView) {
        m_backgroundView = objc::create<UIImageView>();
        m_backgroundView->setUserInteractionEnabled(false);
        m_backgroundView->setContentMode(UIViewContentMode::ScaleToFill);
        insertSubviewAtIndex(m_backgroundView, 0);
        layoutContent();
    }
    return m_backgroundView.get();
}

void UIButton::setFrame(CGRect frame)
{
    UIControl::setFrame(frame);
    layoutContent();
}

void UIButton::layoutContent()
{
    CGRect inside = bounds();
    for (const auto& view : {std::static_pointer_cast<UIView>(m_backgroundView),
                             std::static_pointer_cast<UIView>(m_imageView),
                             std::static_pointer_cast<UIView>(m_titleLabel)}) {
        if (view) {
            view->setFrame(inside);
        }
    }
}

}  // namespace device::uikit
