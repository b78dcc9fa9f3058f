#include "device/uikit/modal_box.h"

#include "device/objc/message.h"
#include "device/uikit/graphics_font.h"
#include "device/uikit/screen.h"

#include <algorithm>
#include <cmath>

namespace device::uikit {

double wrappedTextHeight(std::string_view text, UIFont font, double width)
{
    std::size_t lines = fontOf(font, UIScreen::mainScreen().scale()).wrapped(text, std::max(1.0, width)).size();
    return std::ceil(static_cast<double>(std::max<std::size_t>(lines, 1)) * font.pointSize * 1.3);
}

std::shared_ptr<UILabel> makeWrappedLabel(std::string text, UIFont font, UIColor color, CGRect frame)
{
    auto label = objc::create<UILabel>(frame);
    label->setText(std::move(text));
    label->setFont(font);
    label->setTextColor(std::move(color));
    label->setTextAlignment(NSTextAlignment::Center);
    label->setNumberOfLines(0);
    return label;
}

std::shared_ptr<UIButton> makeNumberedButton(std::string title, long index, objc::id target, std::string_view action)
{
    auto button = UIButton::buttonWithType(UIButtonType::System);
    button->setTitle(std::move(title));
    button->setTag(index);
    button->layer().borderWidth = 0.5;
    button->layer().borderColor = UIColor::white(0.8);
    button->addTargetActionForControlEvents(target, objc::sel_registerName(action), UIControlEventTouchUpInside);
    return button;
}

}  // namespace device::uikit
