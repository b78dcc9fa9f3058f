#pragma once

#include "device/uikit/control.h"
#include "device/uikit/image_view.h"
#include "device/uikit/label.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace device::uikit {

enum class UIButtonType { Custom = 0, System = 1 };

// A button: a control whose title, image and background image are shown by its own label and image
// views. Each look is kept per control state; a state without its own look shows the normal one. A
// highlighted button without a highlighted image darkens its images (adjustsImageWhenHighlighted), and
// a system button's title fades while it is highlighted, as the platform draws them.
class UIButton : public UIControl {
public:
    static constexpr std::string_view className = "UIButton";

    using UIControl::UIControl;

    static std::shared_ptr<UIButton> buttonWithType(UIButtonType type);

    void setTitle(std::string title, std::uint32_t state = UIControlStateNormal);
    void setTitleColor(UIColor color, std::uint32_t state = UIControlStateNormal);
    void setImage(std::shared_ptr<UIImage> image, std::uint32_t state = UIControlStateNormal);
    void setBackgroundImage(std::shared_ptr<UIImage> image, std::uint32_t state = UIControlStateNormal);
    std::string titleForState(std::uint32_t state) const;
    UIImage* imageForState(std::uint32_t state) const;
    UIImage* backgroundImageForState(std::uint32_t state) const;
    bool adjustsImageWhenHighlighted() const { return m_adjustsImageWhenHighlighted; }
    void setAdjustsImageWhenHighlighted(bool adjusts);

    // The title shown now.
    std::string title() const { return m_titleLabel ? m_titleLabel->text() : std::string(); }
    UILabel* titleLabel();
    UIImageView* imageView();
    void setFrame(CGRect frame) override;

protected:
    void stateDidChange() override;

private:
    template <typename Look>
    static const Look* lookFor(const std::map<std::uint32_t, Look>& looks, std::uint32_t state);
    void showCurrentLooks();
    std::shared_ptr<UIImage> shownImage(const std::map<std::uint32_t, std::shared_ptr<UIImage>>& images) const;
    UIImageView* backgroundView();
    void layoutContent();

    bool m_system = false;
    bool m_adjustsImageWhenHighlighted = true;
    std::map<std::uint32_t, std::string> m_titles;
    std::map<std::uint32_t, UIColor> m_titleColors;
    std::map<std::uint32_t, std::shared_ptr<UIImage>> m_images;
    std::map<std::uint32_t, std::shared_ptr<UIImage>> m_backgroundImages;
    std::shared_ptr<UILabel> m_titleLabel;
    std::shared_ptr<UIImageView> m_imageView;
    std::shared_ptr<UIImageView> m_backgroundView;
};

}  // namespace device::uikit
