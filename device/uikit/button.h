#pragma once

#include "device/uikit/control.h"
#include "device/uikit/image_view.h"
#include "device/uikit/label.h"

#include <memory>
#include <string>

namespace device::uikit {

enum class UIButtonType { Custom = 0, System = 1 };

// A button: a control whose title and image are shown by its own label and image view.
class UIButton : public UIControl {
public:
    static constexpr std::string_view className = "UIButton";

    using UIControl::UIControl;

    static std::shared_ptr<UIButton> buttonWithType(UIButtonType type);

    std::string title() const { return m_titleLabel ? m_titleLabel->text() : std::string(); }
    void setTitle(std::string title);
    void setTitleColor(UIColor color);
    UILabel* titleLabel();
    UIImageView* imageView();
    void setImage(std::shared_ptr<UIImage> image);
    void setFrame(CGRect frame) override;

private:
    void layoutContent();

    std::shared_ptr<UILabel> m_titleLabel;
    std::shared_ptr<UIImageView> m_imageView;
};

}  // namespace device::uikit
