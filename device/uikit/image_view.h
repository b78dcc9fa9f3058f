#pragma once

#include "device/uikit/image.h"
#include "device/uikit/view.h"

namespace device::uikit {

class UIImageView : public UIView {
public:
    static constexpr std::string_view className = "UIImageView";

    UIImageView() { setUserInteractionEnabled(false); }
    explicit UIImageView(CGRect frame) : UIView(frame) { setUserInteractionEnabled(false); }

    UIImage* image() const { return m_image.get(); }
    void setImage(std::shared_ptr<UIImage> image) { m_image = std::move(image); }

private:
    std::shared_ptr<UIImage> m_image;
};

}  // namespace device::uikit
